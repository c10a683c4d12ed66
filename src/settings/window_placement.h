#pragma once
// Size and place of the main window: the resize rules with the minimum size, centring,
// the remembered position and size, maximising, and always-on-top.
#include "core/app.h"

namespace memvalo {

// The window's resize event: minimum size, rescaled layout, picture limits, field fonts.
void Form_Resize(App& app);
void centreWindow(App& app);

void mnumax_Click(App& app);
void mnuzentrieren_Click(App& app);
void mnuposition_Click(App& app);
void mnumerkgroß_Click(App& app);
void mnuverbergen_Click(App& app);
void mnumini_Click(App& app);
void mnutop_Click(App& app);

}  // namespace memvalo
