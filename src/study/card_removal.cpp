#include "study/card_removal.h"

#include "study/card_display.h"

namespace memvalo {

const CardRecord& emptyTemplate(const StudyContext& app, int box) {
    return box == 1 ? app.store.leerds : app.store.leerdsk.at(static_cast<std::size_t>(box));
}

void removeCard(StudyContext& app, int box) {
    Box& k = app.store.k(box);
    const CardRecord& blank = emptyTemplate(app, box);
    if (k.anz == 1) {
        app.store.workRecord(box) = blank;
        k[k.pos] = blank;
        showWorkRecord(app, box);
        k.anz = 0;
        return;
    }
    k.remove(k.pos, blank);
    if (k.pos > k.anz) k.pos = k.anz;
    showCard(app, box, k.pos);
}

}  // namespace memvalo
