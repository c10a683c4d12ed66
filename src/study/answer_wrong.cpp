#include <algorithm>
#include <string>

#include "core/history_file.h"
#include "study/answer.h"
#include "study/answer_steps.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/card_removal.h"
#include "study/number_text.h"
#include "study/status.h"
#include "study/take_back.h"

namespace memvalo {

namespace {

// Box 1: the card stays; after the last card the pass starts again at the first.
void wrongInBox1(StudyContext& app) {
    Box& k1 = app.store.k(1);
    const bool wraps = k1.pos >= k1.anz;
    if (wraps) {
        app.msgBox("Jetzt gehts von vorne los...", "Alle abgefragt", Buttons::OK,
                   Icon::Information);
    }
    writeBackCorrection(app, 1);
    countWrongAnswer(k1[k1.pos]);
    k1.pos = wraps ? 1 : k1.pos + 1;
    showCard(app, 1, k1.pos);
    status_aktuell(app);
    refreshProgress(app);
}

void reportBoxEmptied(StudyContext& app, int box) {
    app.msgBox("Kasten " + plainNumber(box) + " ist leer!" + kCR +
                   "Wählen Sie einen anderen Kasten oder wechseln Sie zur Eingabe",
               "Hinweis", Buttons::OK, Icon::Information);
}

void refreshCounts(StudyContext& app, int box) {
    app.store.ist[box - 1] = app.store.k(box).anz;
    app.frm1.lblazist[box - 1].caption = paddedNumber(app.store.ist[box - 1]);
}

// Box 5 keeps its place in the pass: the card that followed the removed one is asked next.
void continueBox5(StudyContext& app, int oldPosition) {
    Box& k5 = app.store.k(5);
    if (oldPosition > k5.anz && k5.anz >= 1) {
        // The last card of the pass was answered: the pass is over, as after a correct one.
        app.kasten5_beantwortet = k5.anz;
        endBox5Pass(app);
        return;
    }
    k5.pos = std::min(oldPosition, k5.anz);
    status5(app);
}

// Boxes 2 to 5: the card goes back to the end of box 1.
void wrongSendsBack(StudyContext& app, int box) {
    CardStore& s = app.store;
    Box& k = s.k(box);
    if (s.k(1).full()) {
        reportNoSlotLeft(app, 1);
        app.frm1.cmdantwort.visible = false;
        return;
    }
    const int oldPosition = k.pos;
    writeBackCorrection(app, box);
    countWrongAnswer(k[k.pos]);
    s.k(1).append(backToBox1(k[k.pos]));
    status_aktuell(app);
    removeCard(app, box);
    if (box == 5 && box1Full(app)) {
        refreshCounts(app, box);
        if (k.anz == 0) {
            k.pos = 0;
            app.frm1.cmdantwort.visible = false;
        }
        reportBox1Full(app, true);
        app.markierung.clear();
        return;
    }
    if (k.anz == 0) {
        app.frm1.cmdantwort.visible = false;
        reportBoxEmptied(app, box);
    }
    refreshCounts(app, box);
    if (box == 5) {
        continueBox5(app, oldPosition);
    } else if (box1Full(app)) {
        reportBox1Full(app, true);
        app.markierung.clear();
        return;
    } else {
        k.pos = 1;
    }
    refreshProgress(app);
}

}  // namespace

void cmdfalsch_Click(StudyContext& app) {
    auto before = beforeAnswer(app);
    if (!beginAnswer(app, false)) return;
    const int box = app.study.kasten;
    recordAnswer(app, box, false);
    if (box == 1) {
        wrongInBox1(app);
    } else {
        wrongSendsBack(app, box);
    }
    offerTakeBack(app, std::move(before));
}

}  // namespace memvalo
