#pragma once
#include "files/files_context.h"

namespace memvalo {

// "Kartei eines anderen Programms importieren...": a new, empty set takes the place of the
// open one (after the question whether to save it), the deck is chosen, looked at and saved as
// a new set, which is then opened.
void mnufremdimport_Click(FilesContext& app);

}  // namespace memvalo
