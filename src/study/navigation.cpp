#include "study/navigation.h"

#include "core/text_encoding.h"
#include "core/transfer.h"
#include "study/card_display.h"
#include "study/entry.h"
#include "study/status.h"
#include "study/take_back.h"
#include "study/typed_card.h"

namespace memvalo {

namespace {

constexpr int kPageUp = 33;
constexpr int kPageDown = 34;

bool questionEmpty(const StudyContext& app) {
    return trimBlanks(app.frm1.txtfrage.caption).empty();
}

void showBox5Card(StudyContext& app, int slot) {
    forgetLastAnswer(app);
    app.store.k(5).pos = slot;
    showCard(app, 5, slot);
    status5(app);
}

// The page keys work in entry mode and while box 5 is browsed, when the learner wants them.
bool pageKeysActive(const StudyContext& app, int key) {
    const std::string mode = modeCaption(app);
    return (key == kPageUp || key == kPageDown) && app.settings.blaettern == "ja" &&
           (mode == "Eingabe" || mode == "Blättern");
}

}  // namespace

void cmdanfang_Click(StudyContext& app) {
    app.playSound("anfangdat.wav");
    if (!questionEmpty(app)) {
        storeShownCard(app);
        app.store.k(1).pos = 1;
        showCard(app, 1, 1);
    } else if (app.markierung != "speichern") {
        unvollständig(app);
        app.markierung.clear();
    }
    status_aktuell(app);
}

void cmdzurück_Click(StudyContext& app) {
    Box& k1 = app.store.k(1);
    app.playSound("zurück.wav");
    if (k1.pos < 2) {
        app.msgBox("Dateianfang erreicht!", "Rückwartsblättern", Buttons::OK, Icon::Information);
    } else if (questionAndAnswerFilled(app)) {
        storeShownCard(app);
        --k1.pos;
        showCard(app, 1, k1.pos);
    } else {
        unvollständig(app);
    }
    status_aktuell(app);
    app.frm1.txtfrage.focusRequested = true;
}

void cmdende_Click(StudyContext& app) {
    Box& k1 = app.store.k(1);
    app.playSound("endedat.wav");
    if (!questionEmpty(app)) {
        storeShownCard(app);
        k1.pos = k1.anz;
        showCard(app, 1, k1.pos);
    } else {
        unvollständig(app);
    }
    status_aktuell(app);
}

void cmd5anfang_Click(StudyContext& app) {
    app.playSound("anfangdat.wav");
    if (app.store.k(5).anz >= 1) showBox5Card(app, 1);
}

void cmd5zurück_Click(StudyContext& app) {
    app.playSound("zurück.wav");
    const Box& k5 = app.store.k(5);
    if (k5.pos > 1) showBox5Card(app, k5.pos - 1);
}

void cmd5vor_Click(StudyContext& app) {
    app.playSound("vor.wav");
    const Box& k5 = app.store.k(5);
    if (k5.pos < k5.anz) showBox5Card(app, k5.pos + 1);
}

void cmd5ende_Click(StudyContext& app) {
    app.playSound("endedat.wav");
    const Box& k5 = app.store.k(5);
    if (k5.anz >= 1) showBox5Card(app, k5.anz);
}

void frm1_KeyDown(StudyContext& app, UiEvent& event) {
    if (!pageKeysActive(app, event.key)) return;
    const bool entry = modeCaption(app) == "Eingabe";
    if (event.key == kPageUp) {
        entry ? cmdvor_Click(app) : cmd5vor_Click(app);
    } else {
        entry ? cmdzurück_Click(app) : cmd5zurück_Click(app);
    }
}

void frm1_KeyUp(StudyContext& app, UiEvent& event) {
    if (pageKeysActive(app, event.key)) app.frm1.txtfrage.focusRequested = true;
}

void mnukey_Click(StudyContext& app) {
    app.frm1.mnukey.checked = !app.frm1.mnukey.checked;
}

}  // namespace memvalo
