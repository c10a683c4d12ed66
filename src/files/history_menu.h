#pragma once
// The history in the File menu: the recently used sets as entries m(1)..m(8).
#include "core/app.h"

namespace memvalo {

// Brings "dateiliste.lis" up to date with the open set and shows it in the File menu.
void verlauf_aktualisieren(App& app);
// A history entry: opens that set, or tells the learner it has gone.
void m_Click(App& app, int index);
void mnuhistorie_Click(App& app);

}  // namespace memvalo
