#pragma once
// Choosing the box to query from the box menu.
#include "core/app.h"

namespace memvalo {

// Opening the box menu: only non-empty boxes can be chosen, and only in query mode.
void mnukastwahl_Click(App& app);
// Choosing box `index` + 1.
void mnukk_Click(App& app, int index);

}  // namespace memvalo
