#pragma once
// The text of a file brought in for import. Spreadsheets and editors often save UTF-8, with or
// without a byte order mark; every other file is Windows-1252, as the program's own files.
#include <string>
#include <string_view>

namespace memvalo {

// The file's bytes as UTF-8 text: read as UTF-8 (without its mark) when they are valid UTF-8
// and hold anything beyond ASCII, otherwise through the Windows-1252 codec.
std::string importFileText(std::string_view bytes);
// The same for bytes no longer needed: plain ASCII becomes the text without a copy.
std::string importFileText(std::string&& bytes);

}  // namespace memvalo
