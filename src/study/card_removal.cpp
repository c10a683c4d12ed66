#include "study/card_removal.h"

#include "study/card_display.h"

namespace memvalo {

namespace {

// The empty template of `box`: leerds for box 1, leerdsk2..5 for the others.
const CardRecord& leerVorlage(const App& app, int box) {
    return box == 1 ? app.store.leerds : app.store.leerdsk.at(static_cast<std::size_t>(box));
}

}  // namespace

void karte_entfernen(App& app, int box) {
    Box& k = app.store.k(box);
    const CardRecord& leer = leerVorlage(app, box);
    if (k.anz == 1) {
        app.store.workRecord(box) = leer;
        k[k.pos] = leer;
        zeigeArbeitsdatensatz(app, box);
        k.anz = 0;
        return;
    }
    for (int s = k.pos; s < k.anz; ++s) k[s] = std::move(k[s + 1]);
    k[k.anz] = leer;
    --k.anz;
    if (k.pos > k.anz) k.pos = k.anz;
    zeigeKarte(app, box, k.pos);
}

}  // namespace memvalo
