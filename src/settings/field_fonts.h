#pragma once
// The fonts and text colours of the card fields, chosen in the font dialog.
#include <cstddef>

#include "settings/settings_context.h"

namespace memvalo {

// The font menu entry of the card field at `field` (mnufontfrage, mnufontantwort, ...).
void chooseFieldFont(SettingsContext& app, std::size_t field);
void mnufontgesamt_Click(SettingsContext& app);

}  // namespace memvalo
