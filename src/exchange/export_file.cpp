#include "exchange/export_file.h"

#include "core/codec.h"
#include "core/paths.h"
#include "core/safe_file.h"

namespace memvalo {

std::string exportFileBytes(const std::string& text, const ExchangeFormat& format) {
    std::string bytes = utf8ToCp1252(text);
    if (!format.utf8WhenNeeded || cp1252ToUtf8(bytes, References::Literal) == text) return bytes;
    return "\xEF\xBB\xBF" + text;
}

std::error_code writeExportFile(const std::string& path, const ExchangeFormat& format,
                                const CardStore& store, const ExportChoice& choice,
                                const std::string& today) {
    return writeFileAtomically(
        path, format.write(format, store, choice, GetPathOrFileName(path, false), today));
}

}  // namespace memvalo
