#pragma once
#include "files/files_context.h"

namespace memvalo {

// Opening the File menu: saving needs a set path.
void mnudatei_Click(FilesContext& app);
void mnugleichauf_Click(FilesContext& app);
void mnusiko_janein_Click(FilesContext& app);

}  // namespace memvalo
