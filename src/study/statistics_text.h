#pragma once
// The learning statistics as German text, for a terminal.
#include <string>

#include "study/learning_statistics.h"

namespace memvalo {

// "80 %", or "–" where no answer was given.
std::string percentText(const HitCount& hits);
// A card text on one line: its line breaks become " / ".
std::string oneLine(const std::string& text);

std::string statisticsText(const LearningStatistics& stats, std::size_t problemCards);

}  // namespace memvalo
