#pragma once
// The three plain export formats: a readable listing, lines with ";" between the fields for
// spreadsheet programs, and lines whose fields start at print zones 14 columns apart.
#include <string>

#include "core/card_store.h"
#include "exchange/export_choice.h"

namespace memvalo {

// Every CR and LF becomes a blank and every ";" a "¬", over as many characters as the text
// has without its outer blanks.
void umbruch_weg(std::string& ph);

// The export as UTF-8 text with CR LF line ends, boxes 1 to 5 in turn as chosen.
std::string text_export(const CardStore& store, const ExportChoice& choice);
std::string csv_export(const CardStore& store, const ExportChoice& choice);
std::string tab_export(const CardStore& store, const ExportChoice& choice);

}  // namespace memvalo
