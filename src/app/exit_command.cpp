#include "app/exit_command.h"

#include "files/exit_question.h"
#include "files/history_menu.h"
#include "minor/closing_fade.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

namespace memvalo {

bool mnuende_Click(App& app) {
    app.AlwaysOnTop(false);
    app.settings.ending = true;
    beenden_frage(app);
    if (app.files.beenden_antwort == 2) {
        // The program goes on: a later close must ask again, and the window stays on top.
        app.settings.ending = false;
        app.files.beenden_antwort = 0;
        if (app.ontop == "ja") app.AlwaysOnTop(true);
        return false;
    }
    app.playSound("bye.wav");
    verlauf_aktualisieren(app);
    takeOptionsFromMenus(app);
    writeSettings(app);
    schluß(app);
    app.platform.runClosingFade();
    app.store.clearBoxes();
    app.platform.unloadForms();
    return true;
}

void endAfterFault(App& app) {
    app.endRequested = false;
    // A fault inside the exit itself: the exit goes on, or was cancelled and is asked again.
    if (!app.settings.ending) mnuende_Click(app);
}

}  // namespace memvalo
