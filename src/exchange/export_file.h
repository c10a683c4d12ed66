#pragma once
// One export from the store to its file, for the export window and the command-line tool.
#include <string>
#include <system_error>

#include "core/card_store.h"
#include "exchange/export_choice.h"

namespace memvalo {

// The file's text in the chosen format; the HTML page is titled after the file title.
std::string exportText(const CardStore& store, const ExportChoice& choice,
                       const std::string& fileTitle, const std::string& today);

// The file's bytes: Windows-1252, other characters as "&#N;". A CSV file whose text holds
// such a character is UTF-8 with a byte-order mark instead, since a spreadsheet program
// would split a field at the ";" of the reference.
std::string exportFileBytes(const std::string& text, ExportFormat format);

// Writes the bytes in place of any file at `path`: a failed write leaves what was there before.
std::error_code writeExportFile(const std::string& path, const std::string& text,
                                ExportFormat format);

}  // namespace memvalo
