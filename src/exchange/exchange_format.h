#pragma once
// The formats a learning set is exchanged in. Each format is one entry: the option that offers
// it in its window, the filter of the file dialog, its name on the command line and the
// procedure that does the work. The export window, its screen form and `memvalo-cli export`
// all read the table; a new export format is one entry and its writer. Import formats will
// have a table of their own with entries of the same shape, a reader in place of the writer.
#include <span>
#include <string>
#include <string_view>

#include "core/card_store.h"
#include "exchange/export_choice.h"

namespace memvalo {

struct ExchangeFormat;

// The file's bytes; a page is titled after the file title, dated with `today`.
using ExportWriter = std::string (*)(const ExchangeFormat& format, const CardStore& store,
                                     const ExportChoice& choice, const std::string& fileTitle,
                                     const std::string& today);

struct ExchangeFormat {
    std::string_view name;     // on the command line
    std::string_view option;   // the option control in the window
    std::string_view caption;  // the option's caption
    std::string_view filter;   // the file dialog's "Name (*.ext)|*.ext"
    // A page for the browser: it has options of its own in place of the boxes and fields,
    // asks for its author and is opened once written.
    bool page = false;
    ExportWriter write = nullptr;
    // A text with a character Windows-1252 cannot hold is written as UTF-8 with a byte-order
    // mark, since a spreadsheet program would split a field at the ";" of its "&#N;".
    bool utf8WhenNeeded = false;
};

// In the order the export window offers them; the first is chosen at first.
std::span<const ExchangeFormat> exportFormats();

// The export format of that command-line name; nullptr when there is none.
const ExchangeFormat* exportFormatNamed(std::string_view name);

}  // namespace memvalo
