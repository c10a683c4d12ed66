#pragma once
// What an export writes besides its format: for the plain formats the boxes and card fields,
// for the HTML page its order, options and author.
#include <array>
#include <string>
#include <string_view>

namespace memvalo {

// The author of an HTML page when none is named.
inline constexpr std::string_view kNoAuthor = "keine Angabe";

struct ExportChoice {
    std::array<bool, 5> kaesten = {true, true, true, true, true};
    // Question, answer, extra field 1, extra field 2.
    std::array<bool, 4> felder = {true, true, false, false};
    // The HTML page: answers listed as questions, the question repeated before its answer,
    // question texts as paragraphs under their number.
    bool antwortFrage = false;
    bool wiederholen = false;
    bool absatz = false;
    std::string autor{kNoAuthor};
};

}  // namespace memvalo
