#include "ui/event_registry.h"

#include "exchange/exchange_events.h"
#include "files/file_events.h"
#include "minor/about_box.h"
#include "minor/closing_speed.h"
#include "print/print_window.h"
#include "settings/settings_events.h"
#include "study/study_events.h"

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
