#pragma once
// The four colour schemes of the main window: designed colours, system colours, the user's
// colours and the user's colours over a gradient.
#include "core/app.h"

namespace memvalo {

void farbselbst(App& app);
void farbsystem(App& app);
void Farbverlauf(App& app);
void voreinstellung(App& app);

// Checks the menu entry of the stored scheme and applies it (the last start-up step).
void applyStoredScheme(App& app);

void mnudefault_Click(App& app);
void mnusystemfarb_Click(App& app);
void mnufarbselbst_Click(App& app);
void mnufarbverlauf_Click(App& app);

}  // namespace memvalo
