#pragma once
#include "model/events.h"

namespace memvalo {

// Every subsystem's event procedures, in one table.
void registerAllEvents(EventTable& table);

}  // namespace memvalo
