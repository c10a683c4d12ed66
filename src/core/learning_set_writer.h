#pragma once
// Writing the files of a learning set as Windows-1252 bytes with CR LF line ends.
#include <cstdint>
#include <string>
#include <vector>

#include "core/box.h"
#include "core/falsch_form.h"
#include "core/set_files.h"

namespace memvalo {

// The box file of box `boxNumber` (1..5). A blank wrong-answer count is written as "0", and
// every count is stored back trimmed, so the cards in memory match the file. cardStarts, when
// given, receives where each slot's card starts in it.
std::string boxFileBytes(Box& box, int boxNumber, FalschForm falsch = FalschForm::Padded,
                         std::vector<std::uint32_t>* cardStarts = nullptr);

// A box file written card by card, for cards held in no box: the head line for `count` cards,
// then each card as boxFileBytes writes it.
std::string boxFileHead(int boxNumber, int count);
void appendCardBytes(std::string& out, const CardRecord& card, int boxNumber);

// A save writes the count of answered box-5 cards between blanks; the CSV import bare.
enum class CountForm { Padded, Bare };

// The 43 lines of the options file.
std::string optionsFileBytes(const SetOptions& options, CountForm count = CountForm::Padded);

}  // namespace memvalo
