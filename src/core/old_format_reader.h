#pragma once
// Reading a learning set of the older line-based format: every text on one line with "~" for
// a carriage return and "^" for a line feed, texts cut to fixed widths, no options file.
#include <array>
#include <string>
#include <string_view>

#include "core/box.h"

namespace memvalo {

struct OldSet {
    std::array<Box, 5> boxes;
    std::array<std::string, 5> capacities;
    int box5Answered = 0;
};

// The old converter's limits.
inline constexpr int kOldCardsPerFile = 500;
inline constexpr std::size_t kOldMainTextWidth = 700;
inline constexpr std::size_t kOldExtraTextWidth = 100;

// Reads the five box files of the set at basePath into `set` (its boxes empty). A missing
// ".k02" .. ".k05" is an empty box. Throws RuntimeError when a file cannot be read, ends
// early, or declares more cards than the old format held; nothing is changed on disk.
void readOldSet(const std::string& basePath, OldSet& set);

// Reads the old file of box `boxNumber` (1..5), named `file` in messages, from its bytes.
// The old format knew no character references: every byte stands for itself.
void readOldBox(std::string_view bytes, const std::string& file, int boxNumber, OldSet& set);

}  // namespace memvalo
