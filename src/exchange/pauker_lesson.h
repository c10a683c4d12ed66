#pragma once
// Pauker's lessons: batches of cards in order, the unlearned ones, the ultra-short-term and
// short-term memory, then the long-term batches 1, 2, 3, ...
#include <string_view>

#include "exchange/deck.h"

namespace memvalo {

// The box of the cards of the batch at position `batch` (0 for the unlearned cards).
int paukerBox(int batch);

// Throws ImportRefusal.
Deck readPaukerLesson(std::string_view xml);

}  // namespace memvalo
