#include "files/file_events.h"

#include "files/box5_commands.h"

namespace memvalo {

void registerFileEvents(EventTable& table) {
    table.onClick("mnu5leeren", [&table](App& app) { mnu5leeren_Click(app, table); });
    table.onClick("mnu5import", [&table](App& app) { mnu5import_Click(app, table); });
}

}  // namespace memvalo
