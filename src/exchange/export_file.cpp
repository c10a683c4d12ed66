#include "exchange/export_file.h"

#include "core/codec.h"
#include "core/safe_file.h"

namespace memvalo {

std::error_code writeExportFile(const std::string& path, const std::string& text) {
    return writeFileAtomically(path, utf8ToCp1252(text));
}

}  // namespace memvalo
