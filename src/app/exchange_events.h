#pragma once
// The import and export commands of the File menu for the main window's event table.
#include "model/events.h"

namespace memvalo {

void registerExchangeEvents(EventTable& table);

}  // namespace memvalo
