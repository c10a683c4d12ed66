#include "ui/event_registry.h"

#include "files/file_events.h"
#include "print/print_window.h"
#include "settings/settings_events.h"
#include "study/study_events.h"

namespace memvalo {

void registerAllEvents(EventTable& table) {
    registerSettingsEvents(table);
    registerFileEvents(table);
    registerStudyEvents(table);
    table.onClick("mnuprint", mnuprint_Click);
}

}  // namespace memvalo
