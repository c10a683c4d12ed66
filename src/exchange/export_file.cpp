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

std::string exportFileBytes(const std::string& text, ExportFormat format) {
    std::string bytes = utf8ToCp1252(text);
    if (format != ExportFormat::Csv || cp1252ToUtf8(bytes, References::Literal) == text) {
        return bytes;
    }
    return "\xEF\xBB\xBF" + text;
}

std::error_code writeExportFile(const std::string& path, const std::string& text,
                                ExportFormat format) {
    return writeFileAtomically(path, exportFileBytes(text, format));
}

}  // namespace memvalo
