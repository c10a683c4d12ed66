#include "study/modes.h"

#include "core/anzeige.h"
#include "core/text_encoding.h"
#include "model/visibility.h"
#include "study/card_display.h"
#include "study/cover.h"
#include "study/mode_label.h"
#include "study/navigation.h"
#include "study/number_text.h"
#include "study/status.h"
#include "study/take_back.h"
#include "study/typed_card.h"

namespace memvalo {

void mnumoduswahl_Click(StudyContext& app) {
    if (!app.frm1.mnueingabe.checked || !questionAndAnswerFilled(app)) return;
    // The first-card step stores the card without complaining about it.
    app.markierung = "speichern";
    if (app.store.k(1).pos > 1) cmdanfang_Click(app);
}

void mnueingabe_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    CardStore& s = app.store;
    forgetLastAnswer(app);
    // Box 1 is shown from its first card again: what the window holds must not be lost.
    settleTypedCard(app);
    app.playSound("eingabe.wav");
    w.mnuazkändern.enabled = true;
    w.mnuzufall.checked = false;
    w.mnueingabe.checked = true;
    app.study.kasten = 1;
    for (int i = 1; i <= 4; ++i) {
        w.mnukk[i].checked = false;
        w.mnukk[i].enabled = false;
    }
    w.mnukk[0].enabled = true;
    w.lblkasten.caption = "1";
    if (w.mnuzeigbild.checked && w.mnuzeigbild.enabled) anzeige(app);
    setVisible({&w.mnuoptabfrage, &w.st1}, true);
    for (const CardField& f : kCardFields) f.cover(w).visible = false;
    setVisible({&w.Label5, &w.lblxvony}, true);
    setVisible({&w.cmd5vor, &w.cmd5zurück, &w.cmd5anfang, &w.cmd5ende, &w.optk5, &w.lblinfo},
               false);
    w.cmdspiegel.visible = true;
    w.cmdspiegel.tooltip = "vertauscht Frage mit Antwort";
    setVisible({&w.cmdantwort, &w.cmdfalsch, &w.cmdrichtig}, false);
    setVisible({&w.cmdlöschen, &w.cmdanfang, &w.cmdzurück, &w.cmdvor, &w.cmdende}, true);
    showEntryMode(app);
    for (const CardField& f : kCardFields) f.box(w).locked = false;
    for (int d = 1; d <= 4; ++d) w.dateLabel(d).caption.clear();
    Box& k1 = s.k(1);
    // Box 1 always holds the card being typed.
    if (k1.anz == 0) k1.anz = 1;
    k1.pos = 1;
    showCard(app, 1, 1);
    status_aktuell(app);
    w.progress.visible = true;
    w.progress.max = s.soll[0];
    w.progress.value = s.ist[0];
}

void optk5_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    forgetLastAnswer(app);
    app.playSound("blubb.wav");
    setVisible({&w.cmdrichtig, &w.cmdfalsch}, false);
    const auto browseButtons = {&w.cmd5anfang, &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende};
    if (w.optk5.caption == "lieber Abfragen...") {
        if (w.mnuzeigbild.checked && !w.mnunixbild.checked) {
            anzeige(app);
        } else {
            w.bildbox.visible = false;
        }
        showQueryMode(app);
        verdecken(app);
        setVisible(browseButtons, false);
        // An emptied box 5 has nothing left to ask.
        w.cmdantwort.visible = positionHoldsCard(app, 5);
        setVisible({&w.Label5, &w.lblxvony}, false);
        w.optk5.caption = "lieber Blättern...";
        return;
    }
    if (!w.mnunixbild.checked) anzeige(app);
    showBrowseMode(app, " Blättern ");
    zeigen(app);
    setVisible(browseButtons, true);
    w.cmdantwort.visible = false;
    setVisible({&w.Label5, &w.lblxvony}, true);
    const Box& k5 = app.store.k(5);
    w.lblxvony.caption = plainNumber(k5.pos) + " von " + plainNumber(k5.anz);
    w.optk5.caption = "lieber Abfragen...";
}

}  // namespace memvalo
