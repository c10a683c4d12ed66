#pragma once
// Card texts as the card search compares them, so that a learner finds a card however its
// words were typed: "Strasse" finds "Straße", "ecole" finds "École".
#include <string>
#include <string_view>

namespace memvalo {

// Lower case (Latin, Greek and Cyrillic letters); line breaks and tabs read as blanks.
std::string foldCase(std::string_view text);
// Lower case without accents: letters become their base letters, ß "ss", æ "ae", œ "oe",
// þ "th"; the stored quotation mark "¨" reads as '"', the way the learner types it.
std::string foldForSearch(std::string_view text);

}  // namespace memvalo
