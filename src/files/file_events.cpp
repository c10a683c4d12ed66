#include "files/file_events.h"

#include "files/box5_commands.h"
#include "files/exit_command.h"
#include "files/file_menu.h"
#include "files/history_menu.h"
#include "files/new_set.h"
#include "files/open_set.h"
#include "files/save_commands.h"

namespace memvalo {

void registerFileEvents(EventTable& table) {
    table.onClick("mnudatei", mnudatei_Click);
    table.onClick("mnudatneu", mnudatneu_Click);
    table.onClick("mnudatöffnen", mnudatöffnen_Click);
    table.onClick("mnudatspeichern", mnudatspeichern_Click);
    table.onClick("mnudatspeiunter", mnudatspeiunter_Click);
    table.onClick("mnuende", [](App& app) { mnuende_Click(app); });
    table.onClick("mnuhistorie", mnuhistorie_Click);
    table.onClick("mnugleichauf", mnugleichauf_Click);
    table.onClick("mnusiko_janein", mnusiko_janein_Click);
    for (int i = 1; i <= FileHistory::kEntries; ++i) {
        table.onClick("m(" + std::to_string(i) + ")", [i](App& app) { m_Click(app, i); });
    }
    table.onClick("mnu5leeren", [&table](App& app) { mnu5leeren_Click(app, table); });
    table.onClick("mnu5import", [&table](App& app) { mnu5import_Click(app, table); });
}

}  // namespace memvalo
