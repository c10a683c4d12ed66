#pragma once
// The study and query procedures the main window's buttons and menu entries call.
#include "model/events.h"

namespace memvalo {

void registerStudyEvents(EventTable& table);

}  // namespace memvalo
