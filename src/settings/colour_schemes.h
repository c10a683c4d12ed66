#pragma once
// The four colour schemes of the main window: designed colours, system colours, the user's
// colours and the user's colours over a gradient.
#include "settings/settings_context.h"

namespace memvalo {

void farbselbst(SettingsContext& app);
void farbsystem(SettingsContext& app);
void Farbverlauf(SettingsContext& app);
void voreinstellung(SettingsContext& app);

// Checks the menu entry of the stored scheme and applies it (the last start-up step).
void applyStoredScheme(SettingsContext& app);

void mnudefault_Click(SettingsContext& app);
void mnusystemfarb_Click(SettingsContext& app);
void mnufarbselbst_Click(SettingsContext& app);
void mnufarbverlauf_Click(SettingsContext& app);

}  // namespace memvalo
