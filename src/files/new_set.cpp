#include "files/new_set.h"

#include "core/history_file.h"
#include "core/transfer.h"
#include "files/entry_window.h"
#include "files/exit_question.h"
#include "files/history_menu.h"
#include "files/unsaved_changes.h"
#include "files/window_title.h"
#include "study/status.h"
#include "study/take_back.h"

namespace memvalo {

namespace {

void startWithOneEmptyCard(FilesContext& app) {
    CardStore& s = app.store;
    s.clearBoxes();
    leerds_erstellen(s, app.platform.today());
    Box& k1 = s.k(1);
    k1.append(s.leerds);
    k1.pos = 1;
    s.maskeds = s.leerds;
    maskeds_an_felder(app);
    for (int box = 2; box <= 5; ++box) s.k(box).pos = 1;
}

void resetCounts(FilesContext& app) {
    CardStore& s = app.store;
    MainWindowModel& w = app.frm1;
    s.ist = {0, 0, 0, 0, 0};
    s.soll = CardStore::kDefaultSoll;
    for (int i = 0; i < 5; ++i) {
        w.lblazist[i].caption = "0";
        w.txtazsoll[i].caption = std::to_string(s.soll[static_cast<std::size_t>(i)]);
    }
    for (const CardField& f : kCardFields) f.box(w).caption.clear();
    w.progress.max = s.soll[0];
}

}  // namespace

void mnudatneu_Click(FilesContext& app) {
    beenden_frage(app);
    if (app.files.beenden_antwort == 2) return;
    app.files.beenden_antwort = 0;
    forgetLastAnswer(app);
    app.schritt_gespeichert = "nein";
    app.frm1.me.tag = "0";
    resetWindowForEntry(app);
    app.kasten5_beantwortet = 0;
    setTitleSuffix(app, "   Neuanlage");
    app.karte_gespeichert = "nein";
    app.setPath.clear();
    app.setBasePath.clear();
    // The set that was open is no longer this window's: others may open it unasked, and a
    // save of the new set under its name is the learner's choice in the save dialog.
    app.files.claim.release();
    app.diskStamp = {};
    startHistory(app);
    startWithOneEmptyCard(app);
    resetCounts(app);
    status_aktuell(app);
    app.frm1.mnu5leeren.enabled = false;
    // An earlier open left the open commands disabled; a new set is never a reason to keep
    // the learner from opening another.
    app.frm1.mnudatöffnen.enabled = true;
    for (int i = 1; i <= 8; ++i) app.frm1.m[i].enabled = true;
    // Saving a set that has no name yet asks for one, so the key of "Datei &speichern" must
    // reach it; only the opened File menu greys the entry while there is no path.
    app.frm1.mnudatspeichern.enabled = true;
    app.playSound("neu.wav");
    app.frm1.txtfrage.focusRequested = true;
    verlauf_aktualisieren(app);
    markSetSaved(app);
}

}  // namespace memvalo
