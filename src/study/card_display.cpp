#include "study/card_display.h"

#include "core/transfer.h"

namespace memvalo {

void showWorkRecord(StudyContext& app, int box) {
    if (box == 1) {
        maskeds_an_felder(app);
    } else {
        kds_an_felder(app, box);
    }
}

void showCard(StudyContext& app, int box, int slot) {
    app.store.workRecord(box) = app.store.k(box)[slot];
    showWorkRecord(app, box);
}

void storeShownCard(StudyContext& app) {
    felder_an_maskeds(app);
    Box& k1 = app.store.k(1);
    // In an emptied box 1 the card typed anew becomes its first card.
    if (k1.anz == 0) {
        k1.anz = 1;
        k1.pos = 1;
    }
    k1[k1.pos] = app.store.maskeds;
}

bool positionHoldsCard(const StudyContext& app, int box) {
    const Box& k = app.store.k(box);
    return k.pos >= 1 && k.pos <= k.anz;
}

}  // namespace memvalo
