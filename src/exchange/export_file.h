#pragma once
// Writing an export to its file, for the export window and the command-line tool.
#include <string>
#include <system_error>

#include "exchange/exchange_format.h"

namespace memvalo {

// The file's bytes: Windows-1252, other characters as "&#N;", unless the format takes UTF-8
// for such a text.
std::string exportFileBytes(const std::string& text, const ExchangeFormat& format);

// Writes the set in that format in place of any file at `path`, a page titled after the file
// and dated `today`: a failed write leaves what was there before.
std::error_code writeExportFile(const std::string& path, const ExchangeFormat& format,
                                const CardStore& store, const ExportChoice& choice,
                                const std::string& today);

}  // namespace memvalo
