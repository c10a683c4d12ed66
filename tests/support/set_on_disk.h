#pragma once
// Learning sets written to disk through the program's own saver, for tests that open them.
#include <string>
#include <vector>

#include "core/card_record.h"

namespace memvalo::test {

// A card with the given question and answer, created on 01.12.2026.
CardRecord card(const std::string& frage, const std::string& antwort);

// Writes the six files of a set at `path` (a ".ldt" path) with these cards in boxes 1, 2 ...
void writeSet(const std::string& path, const std::vector<std::vector<CardRecord>>& boxes);

// The questions of box `box` of the set at `path`, read back through the program's loader.
std::vector<std::string> questionsOnDisk(const std::string& path, int box);

}  // namespace memvalo::test
