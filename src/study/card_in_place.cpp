#include "study/card_in_place.h"

#include <algorithm>

#include "core/transfer.h"
#include "study/answer_steps.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/card_removal.h"
#include "study/number_text.h"
#include "study/status.h"
#include "study/take_back.h"

namespace memvalo {

namespace {

void markChanged(StudyContext& app) {
    app.karte_gespeichert = "nein";
    app.schritt_gespeichert = "nein";
    forgetLastAnswer(app);
}

// The box the main window works on shows the card now at its position, or its empty
// template once the box is empty.
void showWorkedBox(StudyContext& app) {
    const int box = app.study.kasten;
    Box& k = app.store.k(box);
    if (k.anz == 0) {
        k.pos = 0;
        if (box == 1) leerds_erstellen(app.store, app.platform.today());
        app.store.workRecord(box) = emptyTemplate(app, box);
        showWorkRecord(app, box);
        if (modeCaption(app) != "Eingabe") app.frm1.cmdantwort.visible = false;
        return;
    }
    k.pos = std::clamp(k.pos, 1, k.anz);
    showCard(app, box, k.pos);
}

// Counters, position label and progress bar as after an answer.
void refreshStatus(StudyContext& app) {
    for (int box = 2; box <= 5; ++box) {
        app.store.ist[box - 1] = app.store.k(box).anz;
        app.frm1.lblazist[box - 1].caption = paddedNumber(app.store.ist[box - 1]);
    }
    status_aktuell(app);
    const std::string mode = modeCaption(app);
    if (mode == "Abfrage") refreshProgress(app);
    if (mode == "Blättern") status5(app);
}

void afterChange(StudyContext& app, int changedBox) {
    markChanged(app);
    if (changedBox == app.study.kasten) showWorkedBox(app);
    refreshStatus(app);
}

// Takes the card out; the position of its box stays on the card it showed.
void takeOut(StudyContext& app, CardPlace place) {
    Box& k = app.store.k(place.box);
    k.remove(place.position, emptyTemplate(app, place.box));
    if (k.pos > place.position) --k.pos;
}

}  // namespace

void editCardInPlace(StudyContext& app, CardPlace place,
                     const std::array<std::string, kCardFieldCount>& typed,
                     const std::string& medium) {
    CardRecord& card = app.store.k(place.box)[place.position];
    for (std::size_t f = 0; f < kCardFieldCount; ++f)
        card.*kCardFields[f].text = storedCardText(typed[f]);
    card.medium = medium;
    afterChange(app, place.position == app.store.k(place.box).pos ? place.box : 0);
}

void deleteCardInPlace(StudyContext& app, CardPlace place) {
    takeOut(app, place);
    afterChange(app, place.box);
}

bool moveToBox1(StudyContext& app, CardPlace place) {
    if (place.box == 1) return false;
    if (box1Full(app)) {
        reportBox1Full(app, false);
        return false;
    }
    Box& k1 = app.store.k(1);
    const Box& from = app.store.k(place.box);
    if (!k1.append(backToBox1(from[place.position]))) {
        reportNoSlotLeft(app, 1);
        return false;
    }
    if (k1.pos == 0) k1.pos = 1;
    takeOut(app, place);
    afterChange(app, place.box);
    if (app.study.kasten == 1) showWorkedBox(app);
    return true;
}

}  // namespace memvalo
