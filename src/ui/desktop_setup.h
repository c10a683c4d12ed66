#pragma once
// What the settings logic needs to know of the desktop before the window starts: the screen,
// the system colours, whether there is a tray; and the colour and print windows it opens.
#include "app/app.h"
#include "ui/main_window.h"

namespace memvalo {

void describeDesktop(App& app);
void connectWindows(App& app, MainWindow& window);

}  // namespace memvalo
