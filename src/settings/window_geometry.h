#pragma once
// Placing the controls of the program's windows, laid out in pixels, and the windows over the
// main window.
#include "core/session.h"
#include "model/control.h"

namespace memvalo {

// Left, top, width and height in pixels, kept in twips as every geometry is.
void place(Control& c, int x, int y, int width, int height);
// The window's size in pixels; it stands centred over the main window.
void centreOverMainWindow(const Session& app, Control& window, int width, int height);

}  // namespace memvalo
