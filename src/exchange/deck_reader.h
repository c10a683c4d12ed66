#pragma once
// Reading a deck of another flash-card program, chosen by the file's name.
#include <cstdint>
#include <string>

#include "exchange/deck.h"
#include "exchange/import_refusal.h"

namespace memvalo {

// The deck in the file, with the cards of options.stapel only when that is not empty. Throws
// ImportRefusal (reason without the file) when it is refused.
Deck readDeck(const std::string& path, const DeckOptions& options,
              std::uint64_t limit = kExpansionLimit);

// The deck read from bytes as a file of that name holds them.
Deck readDeckBytes(std::string bytes, const std::string& fileName, const DeckOptions& options,
                   const std::string& folder, std::uint64_t limit);

}  // namespace memvalo
