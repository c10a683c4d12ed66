#pragma once
// The File menu's procedures for the main window's event table.
#include "model/events.h"

namespace memvalo {

// The table must outlive the window's use of it: the box-5 commands reach the entry mode
// through it.
void registerFileEvents(EventTable& table);

}  // namespace memvalo
