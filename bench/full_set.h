#pragma once
// A full learning set for measurements: 5 boxes of 2000 cards whose texts run from 5 to 60
// characters, some with umlauts, as a learner's vocabulary set has them.
#include <array>
#include <memory>
#include <string>

#include "core/box.h"

namespace memvalo::bench {

using Boxes = std::array<Box, 5>;

// longTexts: every question and answer 10 000 characters instead.
std::unique_ptr<Boxes> fullSet(bool longTexts = false);
// Writes the six files of that set at basePath (".ldt" and the others are added).
bool writeFullSet(const std::string& basePath, bool longTexts = false);

}  // namespace memvalo::bench
