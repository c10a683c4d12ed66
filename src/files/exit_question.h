#pragma once
#include "files/files_context.h"

namespace memvalo {

// Asks, before the set in memory could be lost, whether to save it first, and saves on Yes.
// Leaves its answer in app.files.beenden_antwort: 6 yes, 7 no, 2 cancelled, 0 not asked;
// a caller stops on 2.
void beenden_frage(FilesContext& app);

}  // namespace memvalo
