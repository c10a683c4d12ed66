#pragma once
// How a failed write of an import or export is told: the classic error number, a line break
// and its German description, as the program's title says it.
#include <string>
#include <system_error>

#include "files/files_context.h"

namespace memvalo {

// "76\rPfad nicht gefunden"
std::string fileErrorText(std::error_code ec);
void showFileError(FilesContext& app, std::error_code ec);

}  // namespace memvalo
