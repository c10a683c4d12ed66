#pragma once
// The readers of other programs' decks live in a module of their own, loaded with the first
// import: linked in, the libraries they need (zip, SQLite, zstd, XML; libzip brings the system's
// cryptography library) were loaded and linked at every start of every command.
#include <string>
#include <string_view>

#include "exchange/deck.h"

namespace memvalo {

// The open dialog's filter for the formats the module reads.
inline constexpr std::string_view kDeckFileFilter =
    "Karteien anderer Programme (*.apkg;*.colpkg;*.kvtml;*.pau.gz;*.pau;*.xml)|"
    "*.apkg;*.colpkg;*.kvtml;*.pau.gz;*.pau;*.xml";

// The module's file and its one entry, which reads the deck at `path` into `deck` or puts the
// German reason of a refusal (without the file) into `refusal`. No exception leaves it.
inline constexpr const char* kDeckModule = "libmemvalo-decks.so";
inline constexpr const char* kReadDeckEntry = "memvalo_read_deck";
using ReadDeckEntry = void (*)(const std::string& path, const DeckOptions& options, Deck& deck,
                               std::string& refusal);

// The deck in the file, with the cards of options.stapel only when that is not empty. Throws
// ImportRefusal (reason without the file) when it is refused or the module is missing.
Deck readDeckFile(const std::string& path, const DeckOptions& options);

}  // namespace memvalo
