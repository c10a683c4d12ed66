#pragma once
#include <string>

#include "files/files_context.h"

namespace memvalo {

// Opens a set chosen in the file dialog.
void mnudatöffnen_Click(FilesContext& app);
// Opens the set at `path` as a history entry or the start-up does: without the dialog.
void openFromHistory(FilesContext& app, const std::string& path);
// Opens a set named from outside, as a history entry; a name that is no learning set or no
// file is reported and nothing opens.
void openNamedSet(FilesContext& app, const std::string& path);

}  // namespace memvalo
