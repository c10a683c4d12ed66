#pragma once
// Parley's vocabulary files (KVTML 2.0): entries with one translation per language, each with
// its grade per direction of asking.
#include <string>
#include <string_view>

#include "exchange/deck.h"

namespace memvalo {

// The box of a grade (0..7; a missing grade is 0).
int kvtmlBox(int grade);

// The cards asking language options.frageSprache for options.antwortSprache; `folder` is where
// relative media paths start. Throws ImportRefusal.
Deck readKvtml(std::string_view text, const DeckOptions& options, const std::string& folder);

}  // namespace memvalo
