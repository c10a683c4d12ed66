#pragma once
// Writing the files of a learning set as Windows-1252 bytes with CR LF line ends.
#include <string>

#include "core/box.h"
#include "core/set_files.h"

namespace memvalo {

// Box files carry the wrong-answer count padded to 10 characters; box-5 side files unpadded.
enum class FalschForm { Padded, Trimmed };

// The box file of box `boxNumber` (1..5). A blank wrong-answer count is written as "0", and
// every count is stored back trimmed, so the cards in memory match the file.
std::string boxFileBytes(Box& box, int boxNumber, FalschForm falsch = FalschForm::Padded);

// A save writes the count of answered box-5 cards between blanks; the CSV import bare.
enum class CountForm { Padded, Bare };

// The 43 lines of the options file.
std::string optionsFileBytes(const SetOptions& options, CountForm count = CountForm::Padded);

}  // namespace memvalo
