#pragma once
#include "files/files_context.h"

namespace memvalo {

// "Importieren...": a new, empty set takes the place of the open one (after the question
// whether to save it), the import window runs, and the set it made is opened.
void mnucsvimport_Click(FilesContext& app);

}  // namespace memvalo
