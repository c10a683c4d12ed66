#pragma once
// Writing an export's text to its file, for the export window and the command-line tool.
#include <string>
#include <system_error>

namespace memvalo {

// Writes the text in Windows-1252 (other characters as "&#N;") in place of any file at
// `path`: a failed write leaves what was there before.
std::error_code writeExportFile(const std::string& path, const std::string& text);

}  // namespace memvalo
