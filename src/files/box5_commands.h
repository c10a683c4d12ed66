#pragma once
// The File menu's "Kasten 5 leeren" and "Kasten 5 importieren".
#include "files/files_context.h"

namespace memvalo {

// Both end in the entry mode.
void mnu5leeren_Click(FilesContext& app);
void mnu5import_Click(FilesContext& app);

}  // namespace memvalo
