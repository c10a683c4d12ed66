#include "app/file_events.h"

#include <string>

#include "app/app.h"
#include "app/exit_command.h"
#include "files/box5_commands.h"
#include "files/example_set.h"
#include "files/file_menu.h"
#include "files/history_menu.h"
#include "files/new_set.h"
#include "files/open_set.h"
#include "files/save_commands.h"

namespace memvalo {

namespace {

constexpr const char* kOpenFault = "Fehler beim Öffnen !\r";
constexpr const char* kOpenTitle = "Prozedur mnudatöffnen_click";

// An unexpected fault inside a file command ends the command with the command's own message.
FaultPolicy telling(std::string text, std::string title = std::string(App::kTitle)) {
    return [text = std::move(text), title = std::move(title)](App& app, std::string_view) {
        app.msgBox(text, title);
    };
}

}  // namespace

void registerFileEvents(EventTable& table) {
    table.onClick("mnudatei", mnudatei_Click);
    table.onClick("mnudatneu", mnudatneu_Click,
                  telling("Fehler beim Öffnen !\rEventuell fehlen die Dateien "
                          "kreis.gif und dreieck.gif",
                          "Prozedur mnudatneu_click"));
    table.onClick("mnudatöffnen", mnudatöffnen_Click, telling(kOpenFault, kOpenTitle));
    table.onClick("mnudatspeichern", mnudatspeichern_Click);
    table.onClick("mnudatspeiunter", mnudatspeiunter_Click,
                  telling("Fehler beim Abspeichern! Evtl. abgebrochen...\""));
    table.onClick("mnuende", [](App& app) { mnuende_Click(app); });
    table.add("frm1", "EndAfterFault", [](App& app, UiEvent&) { endAfterFault(app); });
    table.onClick("mnuhistorie", mnuhistorie_Click);
    table.onClick("mnugleichauf", mnugleichauf_Click);
    table.onClick("mnusiko_janein", mnusiko_janein_Click);
    for (int i = 1; i <= FileHistory::kEntries; ++i) {
        table.onClick(
            "m(" + std::to_string(i) + ")", [i](App& app) { m_Click(app, i); },
            telling(kOpenFault, kOpenTitle));
    }
    table.onClick("mnubeispiel", mnubeispiel_Click, telling(kOpenFault, kOpenTitle));
    table.onClick("mnu5leeren", mnu5leeren_Click);
    table.onClick("mnu5import", mnu5import_Click);
}

}  // namespace memvalo
