#pragma once
#include "core/app.h"

namespace memvalo {

// Opening the File menu: saving needs a set path.
void mnudatei_Click(App& app);
void mnugleichauf_Click(App& app);
void mnusiko_janein_Click(App& app);

}  // namespace memvalo
