#pragma once
#include "core/app.h"

namespace memvalo {

// "Exportieren...": the export window over the main window.
void mnuexporttext_Click(App& app);

}  // namespace memvalo
