#include "exchange/export_file.h"

#include "core/codec.h"
#include "core/safe_file.h"
#include "exchange/html_export.h"
#include "exchange/plain_export.h"

namespace memvalo {

std::string exportText(const CardStore& store, const ExportChoice& choice,
                       const std::string& fileTitle, const std::string& today) {
    switch (choice.format) {
        case ExportFormat::Csv:
            return csv_export(store, choice);
        case ExportFormat::Tab:
            return tab_export(store, choice);
        case ExportFormat::Html:
            return html_export(store, choice, pageTitle(fileTitle), today);
        case ExportFormat::Text:
            break;
    }
    return text_export(store, choice);
}

std::error_code writeExportFile(const std::string& path, const std::string& text) {
    return writeFileAtomically(path, utf8ToCp1252(text));
}

}  // namespace memvalo
