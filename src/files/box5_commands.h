#pragma once
// The File menu's "Kasten 5 leeren" and "Kasten 5 importieren".
#include "files/files_context.h"
#include "model/events.h"

namespace memvalo {

// Both end in the entry mode; they switch to it through the window's own "mnueingabe" click,
// so whichever procedure answers that event does the switch.
void mnu5leeren_Click(FilesContext& app, const EventTable& events);
void mnu5import_Click(FilesContext& app, const EventTable& events);

}  // namespace memvalo
