#pragma once
// Placing the controls of the import and export windows, and the windows over the main window.
#include "model/control.h"
#include "settings/settings_context.h"

namespace memvalo {

// Left, top, width and height in pixels, kept in twips as every geometry is.
void place(Control& c, int x, int y, int width, int height);
// The window's size in pixels; it stands centred over the main window.
void centreOverMainWindow(const SettingsContext& app, Control& window, int width, int height);

}  // namespace memvalo
