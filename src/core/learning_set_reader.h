#pragma once
// Reading the files of a learning set from their Windows-1252 bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/box.h"
#include "core/falsch_form.h"
#include "core/file_bytes.h"
#include "core/item_reader.h"
#include "core/set_files.h"

namespace memvalo {

// Reads a box file of box `boxNumber` (1..5) into an empty box, which keeps the bytes and
// decodes each card when it is first needed. Throws FormatError when the file ends early, is
// not in the box format, or declares more cards than a box holds; the box is then untouched.
void readBoxFile(FileBytes bytes, int boxNumber, Box& box);

// Makes an empty box hold the cards of a box file this program just wrote, as reading that
// file would give them: `starts` are where boxFileBytes put each card, `form` how it wrote
// their counts. Saving the box again copies each untouched card's bytes without looking.
void holdWrittenBoxFile(std::string_view bytes, int boxNumber, FalschForm form,
                        std::vector<std::uint32_t> starts, Box& box);

// Reads an options file. A value that cannot be used keeps its default; its line number is
// added to badLines.
SetOptions readOptionsFile(std::string_view bytes, std::vector<int>& badLines);

// The first item of a box file: the card count, or "kursdatenbank" in the old format.
std::string firstItem(std::string_view bytes);

}  // namespace memvalo
