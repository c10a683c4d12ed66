#include "ui/event_registry.h"

#include "settings/settings_events.h"

namespace memvalo {

void registerAllEvents(EventTable& table) {
    registerSettingsEvents(table);
}

}  // namespace memvalo
