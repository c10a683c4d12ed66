#include "core/text_encoding.h"
#include "model/visibility.h"
#include "study/box_choice.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/cover.h"
#include "study/mode_label.h"
#include "study/modes.h"
#include "study/number_text.h"
#include "study/status.h"
#include "study/take_back.h"
#include "study/typed_card.h"

namespace memvalo {

namespace {

// Box 1 is queried on from its first card, keeping what the window shows of the current one.
void restartBox1(StudyContext& app) {
    Box& k1 = app.store.k(1);
    if (positionHoldsCard(app, 1)) storeShownCard(app);
    k1.pos = 1;
    if (k1.anz >= 1) showCard(app, 1, 1);
    status_aktuell(app);
}

}  // namespace

void mnuzufall_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    forgetLastAnswer(app);
    w.mnuazkändern.enabled = false;
    w.mnuoptabfrage.visible = false;
    w.st1.visible = false;
    settleTypedCard(app);
    app.playSound("abfrage.wav");
    for (int i = 0; i < 5; ++i) w.mnukk[i].enabled = true;
    w.mnueingabe.checked = false;
    w.mnuzufall.checked = true;
    for (int i = 0; i < 5; ++i) {
        if (w.mnukk[i].checked) app.study.kasten = i + 1;
    }
    w.lblkasten.caption = paddedNumber(app.study.kasten);
    const int b = app.study.kasten;
    if (b >= 2 && b <= 4 && boxFull(app, b + 1)) reportTargetBoxFull(app, b + 1);
    if (!(w.mnuzeigbild.checked && w.mnuzeigbild.enabled)) w.bildbox.visible = false;
    // Browsing box 5 ends too: its buttons would page a box no longer chosen.
    setVisible(
        {&w.Label5, &w.lblxvony, &w.cmd5anfang, &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende, &w.optk5},
        false);
    verdecken(app);
    for (Control* c : {&w.cmdlöschen, &w.cmdspiegel, &w.cmdantwort, &w.cmdrichtig, &w.cmdfalsch,
                       &w.cmdanfang, &w.cmdzurück, &w.cmdvor, &w.cmdende}) {
        c->visible = false;
    }
    w.cmdspiegel.tooltip.clear();
    for (const CardField& f : kCardFields) f.box(w).locked = app.settings.korrektur != 1;
    showQueryMode(app);
    if (w.mnukk[0].checked) {
        restartBox1(app);
    } else {
        w.progress.value = 0;
    }
    mnukastwahl_Click(app);
    w.lblinfo.caption = std::string("Kasten") + kCR + "auswählen!";
    w.lblinfo.visible = !w.cmdantwort.visible;
}

}  // namespace memvalo
