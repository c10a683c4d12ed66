#include "files/entry_window.h"

#include "core/anzeige.h"
#include "model/visibility.h"
#include "study/mode_label.h"

namespace memvalo {

namespace {

void showSetMenus(MainWindowModel& w) {
    setVisible({&w.mnueinstell, &w.mnumoduswahl, &w.mnukastwahl, &w.mnumultimedia, &w.mnuexporttext,
                &w.mnuoptabfrage, &w.mnuprint, &w.strich2, &w.strich3, &w.st1},
               true);
    for (Control* c : {&w.mnuazkändern, &w.mnudatspeiunter, &w.mnu5import, &w.mnubt}) {
        c->enabled = true;
    }
}

void openFieldsForTyping(FilesContext& app) {
    MainWindowModel& w = app.frm1;
    for (const CardField& f : kCardFields) {
        f.cover(w).visible = false;
        f.box(w).locked = false;
        f.box(w).backColor = app.settings.systemColours.window;
    }
}

void showEntryButtons(MainWindowModel& w) {
    setVisible({&w.Label5, &w.lblxvony, &w.cmdlöschen, &w.cmdanfang, &w.cmdzurück, &w.cmdvor,
                &w.cmdende, &w.progress},
               true);
    setVisible({&w.cmdrichtig, &w.cmdfalsch, &w.cmdantwort, &w.cmdspiegel, &w.optk5, &w.cmd5anfang,
                &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende, &w.lblinfo},
               false);
}

}  // namespace

void resetWindowForEntry(FilesContext& app) {
    MainWindowModel& w = app.frm1;
    app.study.kasten = 1;
    w.lblkasten.caption = "1";
    openFieldsForTyping(app);
    for (int d = 1; d <= 4; ++d) w.dateLabel(d).caption.clear();
    showSetMenus(w);
    showEntryButtons(w);
    w.mnueingabe.checked = true;
    w.mnuzufall.checked = false;
    for (int i = 0; i < 5; ++i) w.mnukk[i].checked = false;
    w.lblbild.visible = true;
    showEntryMode(app);
    w.mnutop.checked = app.ontop == "ja";
    app.medienverweis.clear();
    anzeige(app);
    w.cmdspiegel.tooltip = "trägt die Antwort als Frage ein und umgekehrt";
}

}  // namespace memvalo
