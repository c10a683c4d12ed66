#include <array>

#include "exchange/exchange_format.h"
#include "exchange/export_file.h"
#include "exchange/html_export.h"
#include "exchange/plain_export.h"

namespace memvalo {

namespace {

// The plain formats need neither the file title nor the day; their text is encoded as a whole.
template <std::string (*Write)(const CardStore&, const ExportChoice&)>
std::string plain(const ExchangeFormat& format, const CardStore& store, const ExportChoice& choice,
                  const std::string&, const std::string&) {
    return exportFileBytes(Write(store, choice), format);
}

// The page is put together in its file's encoding.
std::string page(const ExchangeFormat&, const CardStore& store, const ExportChoice& choice,
                 const std::string& fileTitle, const std::string& today) {
    return html_export(store, choice, pageTitle(fileTitle), today);
}

constexpr std::array<ExchangeFormat, 4> kExportFormats = {{
    {"text", "opttext", "Textdatei (*.txt)", "Textdatei (*.txt)|*.txt", false, plain<text_export>},
    {"csv", "optcsv", "Text mit Trennzeichen -z.B. für Übernahme in Excel- (*.csv)",
     "Textdatei (*.csv)|*.csv", false, plain<csv_export>, true},
    {"tab", "opttab", "Text mit Tabstops getrennt (*.txt)", "Textdatei (*.txt)|*.txt", false,
     plain<tab_export>},
    {"html", "opthtml", "HTML- Export", "HTML-Dateien (*.html)|*.html", true, page},
}};

}  // namespace

std::span<const ExchangeFormat> exportFormats() {
    return kExportFormats;
}

const ExchangeFormat* exportFormatNamed(std::string_view name) {
    for (const ExchangeFormat& format : kExportFormats) {
        if (format.name == name) return &format;
    }
    return nullptr;
}

}  // namespace memvalo
