#include "app/settings_events.h"

#include <cstdlib>

#include "app/app.h"
#include "app/window_close.h"
#include "app/window_startup.h"
#include "settings/colour_schemes.h"
#include "settings/external_programs.h"
#include "settings/field_fonts.h"
#include "settings/window_placement.h"

namespace memvalo {

namespace {

void mnuklang_Click(App& app) {
    app.frm1.mnuklang.checked = !app.frm1.mnuklang.checked;
}

}  // namespace

void registerSettingsEvents(EventTable& table) {
    table.add("frm1", "Load", [](App& app, UiEvent&) {
        const char* searchPath = std::getenv("PATH");
        Form_Load(app, searchPath == nullptr ? "" : searchPath);
    });
    table.add("frm1", "Resize", [](App& app, UiEvent&) { Form_Resize(app); });
    table.add("frm1", "QueryUnload", Form_QueryUnload);
    table.add("frm1", "MouseDown", Form_MouseDown);
    table.add("sevTray1", "MouseDown", sevTray1_MouseDown);

    table.onClick("mnumax", mnumax_Click);
    table.onClick("mnuzentrieren", mnuzentrieren_Click);
    table.onClick("mnuposition", mnuposition_Click);
    table.onClick("mnumerkgroß", mnumerkgroß_Click);
    table.onClick("mnuverbergen", mnuverbergen_Click);
    table.onClick("mnumini", mnumini_Click);
    table.onClick("mnutop", mnutop_Click);
    table.onClick("mnuklang", mnuklang_Click);

    table.onClick("mnufontgesamt", mnufontgesamt_Click);
    for (std::size_t f = 0; f < kCardFieldCount; ++f) {
        table.onClick(std::string(kCardFields[f].fontMenu),
                      [f](App& app) { chooseFieldFont(app, f); });
    }

    table.onClick("mnupaint", mnupaint_Click);
    table.onClick("mnurecorder", mnurecorder_Click);
    table.onClick("mnuresetpaint", mnuresetpaint_Click);
    table.onClick("mnuresetrec", mnuresetrec_Click);
    table.onClick("mnureset", mnureset_Click);

    table.onClick("mnudefault", mnudefault_Click);
    table.onClick("mnusystemfarb", mnusystemfarb_Click);
    table.onClick("mnufarbselbst", mnufarbselbst_Click);
    table.onClick("mnufarbverlauf", mnufarbverlauf_Click);
}

}  // namespace memvalo
