#include "files/box5_commands.h"

#include "core/busy_pointer.h"
#include "core/kasten5.h"
#include "core/text_encoding.h"
#include "study/modes.h"

namespace memvalo {

namespace {

constexpr std::string_view kDoneTitle = "Alles klar...";

void box5MenuState(FilesContext& app, bool boxHoldsCards) {
    app.frm1.mnu5leeren.enabled = boxHoldsCards;
    app.frm1.mnu5import.enabled = !boxHoldsCards;
}

}  // namespace

void mnu5leeren_Click(FilesContext& app) {
    const BusyPointer busy(app.platform);
    app.playSound("harp.wav");
    if (!kasten5_speichern(app)) return;
    // The cards of an earlier pass are gone: the next pass of box 5 starts at its first card.
    app.kasten5_beantwortet = 0;
    app.msgBox("Kasten 5 wurde gesichert und geleert", kDoneTitle, Buttons::OK, Icon::Information);
    mnueingabe_Click(app);
    box5MenuState(app, false);
}

void mnu5import_Click(FilesContext& app) {
    if (app.store.k(5).anz != 0) {
        app.msgBox("Kasten 5 ist nicht leer, daher kann auch nichts importiert werden",
                   "Datenimport nicht möglich", Buttons::OK, Icon::Information);
        return;
    }
    if (trimBlanks(app.frm1.lblazist[4].caption) != "0") return;
    const BusyPointer busy(app.platform);
    app.playSound("harp.wav");
    if (!kasten5_import(app)) {
        app.markierung.clear();
        return;
    }
    app.kasten5_beantwortet = 0;
    app.frm1.mnuoptabfrage.visible = true;
    app.frm1.st1.visible = true;
    app.msgBox("Kasten 5 wurde importiert !", kDoneTitle, Buttons::OK, Icon::Information);
    mnueingabe_Click(app);
    app.frm1.mnubt.enabled = true;
    box5MenuState(app, true);
}

}  // namespace memvalo
