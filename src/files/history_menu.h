#pragma once
// The history in the File menu: the recently used sets as entries m(1)..m(8).
#include <system_error>

#include "files/files_context.h"

namespace memvalo {

// Tells the user once per run that the history file cannot be read or written.
void reportHistoryFault(FilesContext& app, bool reading, std::error_code ec);
// Brings "dateiliste.lis" up to date with the open set and shows it in the File menu.
void verlauf_aktualisieren(FilesContext& app);
// A history entry: opens that set, or tells the learner it has gone.
void m_Click(FilesContext& app, int index);
void mnuhistorie_Click(FilesContext& app);

}  // namespace memvalo
