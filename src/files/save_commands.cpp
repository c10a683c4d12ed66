#include "files/save_commands.h"

#include <string_view>

#include "core/text_encoding.h"
#include "files/history_menu.h"
#include "files/set_dialogs.h"
#include "files/set_saving.h"

namespace memvalo {

namespace {

// An empty card in entry mode must be filled or deleted first: an empty card is not saved.
bool refusesEmptyCard(FilesContext& app, std::string_view title) {
    const MainWindowModel& w = app.frm1;
    const bool empty =
        trimBlanks(w.txtfrage.caption).empty() && trimBlanks(w.txtantwort.caption).empty();
    if (!w.mnueingabe.checked || !empty || app.store.k(1).anz == 0) return false;
    app.msgBox("Bitte diesen Datensatz noch ausfüllen oder\rden Lösch-Button drücken", title,
               Buttons::OK, Icon::Information);
    return true;
}

void afterSave(FilesContext& app) {
    enableAfterSave(app);
    for (int i = 1; i <= 8; ++i) app.frm1.m[i].enabled = true;
    verlauf_aktualisieren(app);
    app.settings.letzteDatei = app.setPath;
}

}  // namespace

void mnudatspeichern_Click(FilesContext& app) {
    if (refusesEmptyCard(app, "Leere Datensatze nicht speichern")) return;
    storeTypedCard(app);
    std::string path = app.setPath;
    if (path.empty()) {
        const auto chosen = askSetToSave(app, app.files.dialogTitle);
        if (!chosen) return;
        path = *chosen;
    }
    if (saveSetAs(app, path)) afterSave(app);
}

void mnudatspeiunter_Click(FilesContext& app) {
    if (refusesEmptyCard(app, "Leere Datensätze nicht speichern")) return;
    storeTypedCard(app);
    const auto chosen = askSetToSave(app, std::string(kSaveAsTitle));
    if (!chosen) return;
    if (saveSetAs(app, *chosen)) afterSave(app);
}

}  // namespace memvalo
