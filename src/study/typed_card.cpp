#include "study/typed_card.h"

#include "core/text_encoding.h"
#include "study/card_display.h"
#include "study/number_text.h"

namespace memvalo {

namespace {

// Coming from entry mode, the window holds the card being typed at the position of box 1.
bool comingFromEntry(const StudyContext& app) {
    const Box& k1 = app.store.k(1);
    return app.frm1.mnueingabe.checked && k1.pos >= 1 && k1.pos <= k1.anz;
}

// A new card at the end of box 1 that was never stored is dropped when it is unusable: no
// answer, or no question while the other boxes are empty. A stored card is never dropped.
bool typedCardUnusable(const StudyContext& app) {
    const CardStore& s = app.store;
    const Box& k1 = s.k(1);
    const CardRecord& last = k1[k1.anz];
    const bool neverStored = trimBlanks(last.frage).empty() && trimBlanks(last.antwort).empty();
    if (k1.pos != k1.anz || !neverStored) return false;
    bool othersEmpty = true;
    for (int box = 2; box <= 5; ++box) othersEmpty = othersEmpty && s.k(box).anz == 0;
    return trimBlanks(app.frm1.txtantwort.caption).empty() ||
           (othersEmpty && trimBlanks(app.frm1.txtfrage.caption).empty());
}

void dropTypedCard(StudyContext& app) {
    Box& k1 = app.store.k(1);
    k1[k1.anz] = app.store.leerds;
    --k1.anz;
    k1.pos = k1.anz == 0 ? 0 : 1;
    // A stored card takes the window, so that nothing stores the dropped one over it.
    if (k1.anz >= 1) showCard(app, 1, 1);
    // The shown count follows, so that an empty box 1 cannot be chosen.
    app.store.ist[0] = k1.anz;
    app.frm1.lblazist[0].caption = plainNumber(k1.anz);
    app.frm1.cmdantwort.visible = false;
    app.frm1.progress.value = 0;
}

}  // namespace

bool questionAndAnswerFilled(const StudyContext& app) {
    return !trimBlanks(app.frm1.txtfrage.caption).empty() &&
           !trimBlanks(app.frm1.txtantwort.caption).empty();
}

void settleTypedCard(StudyContext& app) {
    if (!comingFromEntry(app)) return;
    // The card typed last is kept even when no step stored it yet.
    if (questionAndAnswerFilled(app)) {
        storeShownCard(app);
    } else if (typedCardUnusable(app)) {
        dropTypedCard(app);
    }
}

}  // namespace memvalo
