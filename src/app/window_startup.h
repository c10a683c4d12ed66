#pragma once
// The main window's start-up: its controls and menus before any learning set is loaded, the
// stored settings, placement, the history, on-top, the last set and the colour scheme.
#include <string_view>

#include "app/app.h"

namespace memvalo {

// searchPath: where the picture program and the sound recorder are looked for.
void Form_Load(App& app, std::string_view searchPath);

}  // namespace memvalo
