#pragma once
#include "files/files_context.h"

namespace memvalo {

// Puts the window into entry mode for box 1, as a new or freshly opened set starts: fields
// open for typing, the set's menus shown, the query controls hidden.
void resetWindowForEntry(FilesContext& app);

}  // namespace memvalo
