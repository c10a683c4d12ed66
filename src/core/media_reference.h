#pragma once
// Where a card's media reference points. A relative reference, as imported decks write them
// ("Vokabeln-Medien/haus.jpg"), starts in the folder of its set, so it still resolves when the
// set's folder is moved as a whole.
#include <string>

namespace memvalo {

std::string mediaPath(const std::string& reference, const std::string& setPath);

}  // namespace memvalo
