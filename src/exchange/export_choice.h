#pragma once
// What an export writes besides its format: for the plain formats the boxes and card fields,
// for the HTML page its order, options and author.
#include <array>
#include <string>
#include <string_view>

#include "core/card_fields.h"

namespace memvalo {

// The author of an HTML page when none is named.
inline constexpr std::string_view kNoAuthor = "keine Angabe";

struct ExportChoice {
    std::array<bool, 5> kaesten = {true, true, true, true, true};
    // The card fields in table order; question and answer unless chosen otherwise.
    std::array<bool, kCardFieldCount> felder = {true, true};
    // The HTML page: answers listed as questions, the question repeated before its answer,
    // question texts as paragraphs under their number.
    bool antwortFrage = false;
    bool wiederholen = false;
    bool absatz = false;
    std::string autor{kNoAuthor};
};

}  // namespace memvalo
