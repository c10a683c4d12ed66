#pragma once
#include "model/events.h"

namespace memvalo {

// The main window's set-up, placement, fonts, programs, tray and colour commands.
void registerSettingsEvents(EventTable& table);

}  // namespace memvalo
