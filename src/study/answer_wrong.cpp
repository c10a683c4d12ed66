#include <algorithm>
#include <string>

#include "study/answer.h"
#include "study/answer_steps.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/card_removal.h"
#include "study/number_text.h"
#include "study/status.h"

namespace memvalo {

namespace {

// The card as it returns to box 1: the dates of the higher boxes are dropped.
CardRecord zurueckInKasten1(const CardRecord& card) {
    CardRecord back;
    back.frage = card.frage;
    back.antwort = card.antwort;
    back.zusatz1 = card.zusatz1;
    back.zusatz2 = card.zusatz2;
    back.erstellt = card.erstellt;
    back.falsch = card.falsch;
    back.medium = card.medium;
    return back;
}

// Box 1: the card stays; after the last card the pass starts again at the first.
void falschKasten1(App& app) {
    Box& k1 = app.store.k(1);
    const bool vonVorne = k1.pos >= k1.anz;
    if (vonVorne) {
        app.msgBox("Jetzt gehts von vorne los...", "Alle abgefragt", Buttons::OK,
                   Icon::Information);
    }
    korrektur_zurueckschreiben(app, 1);
    falsch_erhoehen(k1[k1.pos]);
    k1.pos = vonVorne ? 1 : k1.pos + 1;
    zeigeKarte(app, 1, k1.pos);
    status_aktuell(app);
    fortschritt_auffrischen(app);
}

void meldeKastenLeer(App& app, int box) {
    app.msgBox("Kasten " + zahlText(box) + " ist leer!" + kCR +
                   "Wählen Sie einen anderen Kasten oder wechseln Sie zur Eingabe",
               "Hinweis", Buttons::OK, Icon::Information);
}

void zaehlerAuffrischen(App& app, int box) {
    app.store.ist[box - 1] = app.store.k(box).anz;
    app.frm1.lblazist[box - 1].caption = zahlTextMitLeer(app.store.ist[box - 1]);
}

// Box 5 keeps its place in the pass: the card that followed the removed one is asked next.
void kasten5Weiter(App& app, int altePosition) {
    Box& k5 = app.store.k(5);
    if (altePosition > k5.anz && k5.anz >= 1) {
        // The last card of the pass was answered: the pass is over, as after a correct one.
        app.kasten5_beantwortet = k5.anz;
        durchgang_beenden(app);
        return;
    }
    k5.pos = std::min(altePosition, k5.anz);
    status5(app);
}

// Boxes 2 to 5: the card goes back to the end of box 1.
void falschZurueck(App& app, int box) {
    CardStore& s = app.store;
    Box& k = s.k(box);
    if (s.k(1).full()) {
        meldeKeinPlatz(app, 1);
        app.frm1.cmdantwort.visible = false;
        return;
    }
    const int altePosition = k.pos;
    korrektur_zurueckschreiben(app, box);
    falsch_erhoehen(k[k.pos]);
    s.k(1).append(zurueckInKasten1(k[k.pos]));
    status_aktuell(app);
    karte_entfernen(app, box);
    if (box == 5 && kasten1Voll(app)) {
        zaehlerAuffrischen(app, box);
        if (k.anz == 0) {
            k.pos = 0;
            app.frm1.cmdantwort.visible = false;
        }
        meldeKasten1Voll(app, true);
        app.markierung = "ja";
        return;
    }
    if (k.anz == 0) {
        app.frm1.cmdantwort.visible = false;
        meldeKastenLeer(app, box);
    }
    zaehlerAuffrischen(app, box);
    if (box == 5) {
        kasten5Weiter(app, altePosition);
    } else if (kasten1Voll(app)) {
        meldeKasten1Voll(app, true);
        app.markierung = "ja";
        return;
    } else {
        k.pos = 1;
    }
    fortschritt_auffrischen(app);
}

}  // namespace

void cmdfalsch_Click(App& app) {
    if (!antwort_beginnen(app, false)) return;
    const int box = app.study.kasten;
    if (box == 1) {
        falschKasten1(app);
    } else {
        falschZurueck(app, box);
    }
}

}  // namespace memvalo
