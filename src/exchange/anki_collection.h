#pragma once
// The cards of an Anki collection (SQLite), in the older layout (note types as JSON in `col`)
// and the current one (tables `notetypes`, `fields`, `templates`, `decks`).
#include <string>
#include <vector>

#include "exchange/deck.h"

namespace memvalo {

// The box of a card by its scheduling: new, learning and relearning cards box 1, review
// cards by their interval in days.
int ankiBox(int type, int queue, int intervalDays);

// Appends the collection's cards to deck.cards and its decks to deck.choices. Throws
// ImportRefusal when the bytes are no SQLite database or lack the expected tables.
void readAnkiCollection(std::string sqliteBytes, Deck& deck);

}  // namespace memvalo
