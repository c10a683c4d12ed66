#pragma once
// What the settings logic needs to know of the desktop before the window starts: the screen,
// the system colours, whether there is a tray.
#include "app/app.h"

namespace memvalo {

void describeDesktop(App& app);

}  // namespace memvalo
