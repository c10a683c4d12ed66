#pragma once
#include "files/files_context.h"

namespace memvalo {

// "Exportieren...": the export window over the main window.
void mnuexporttext_Click(FilesContext& app);

}  // namespace memvalo
