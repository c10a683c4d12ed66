#include "app/event_registry.h"

#include "app/app.h"
#include "app/exchange_events.h"
#include "app/file_events.h"
#include "app/settings_events.h"
#include "app/study_events.h"
#include "minor/about_box.h"
#include "minor/closing_speed.h"
#include "print/print_window.h"

namespace memvalo {

void registerAllEvents(EventTable& table) {
    registerSettingsEvents(table);
    registerFileEvents(table);
    registerExchangeEvents(table);
    registerStudyEvents(table);
    table.onClick("mnuprint", mnuprint_Click);
    table.onClick("mnuüber", mnuüber_Click);
    table.onClick("mnuabspann", mnuabspann_Click);
}

}  // namespace memvalo
