#pragma once
// Size and place of the main window: the resize rules with the minimum size, centring,
// the remembered position and size, maximising, and always-on-top.
#include "settings/settings_context.h"

namespace memvalo {

// The window's resize event: minimum size, rescaled layout, picture limits, field fonts.
void Form_Resize(SettingsContext& app);
void centreWindow(SettingsContext& app);

void mnumax_Click(SettingsContext& app);
void mnuzentrieren_Click(SettingsContext& app);
void mnuposition_Click(SettingsContext& app);
void mnumerkgroß_Click(SettingsContext& app);
void mnuverbergen_Click(SettingsContext& app);
void mnumini_Click(SettingsContext& app);
void mnutop_Click(SettingsContext& app);

}  // namespace memvalo
