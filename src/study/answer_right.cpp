#include <string>

#include "core/text_encoding.h"
#include "core/transfer.h"
#include "study/answer.h"
#include "study/answer_steps.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/card_removal.h"
#include "study/number_text.h"
#include "study/status.h"

namespace memvalo {

namespace {

// The card as it enters box `box` + 1: its dates so far and today's as the new box's date.
CardRecord aufgestiegen(const CardRecord& card, int box, const std::string& today) {
    CardRecord moved;
    moved.frage = card.frage;
    moved.antwort = card.antwort;
    moved.zusatz1 = card.zusatz1;
    moved.zusatz2 = card.zusatz2;
    moved.erstellt = card.erstellt;
    for (int d = 0; d < CardRecord::datesOfBox(box); ++d) moved.kasten_am[d] = card.kasten_am[d];
    moved.kasten_am[CardRecord::datesOfBox(box)] = today;
    moved.falsch = card.falsch;
    moved.medium = card.medium;
    return moved;
}

void meldeKastenLeer(App& app, int box) {
    const std::string name = "Karteikasten " + zahlText(box) + " ist leer";
    std::string text = std::string("Geschafft!!") + kCR + name + "!";
    if (box == 1) {
        text += std::string(1, kCR) + "Entweder Karteikasten 2 beantworten oder" + kCR +
                "neue Fragen in Karteikasten 1 eingeben!";
    }
    app.msgBox(text, name, Buttons::OK, Icon::Information);
}

void zaehlerAuffrischen(App& app, int box) {
    CardStore& s = app.store;
    MainWindowModel& w = app.frm1;
    if (box == 1) {
        status_aktuell(app);
    } else {
        s.ist[box - 1] = s.k(box).anz;
        w.lblazist[box - 1].caption = zahlText(s.ist[box - 1]);
    }
    s.ist[box] = s.k(box + 1).anz;
    w.lblazist[box].caption = zahlText(s.ist[box]);
}

// Box 1 to 4: the card moves to the end of the next box while that one has room.
void richtigAufsteigen(App& app, int box) {
    CardStore& s = app.store;
    MainWindowModel& w = app.frm1;
    const int ziel = box + 1;
    const std::string today = trimBlanks(app.platform.today());
    korrektur_zurueckschreiben(app, box);
    if (box == 1) {
        leerds_erstellen(s, today);
    } else {
        leerdsk_erstellen(s, box);
    }
    Box& quelle = s.k(box);
    Box& zielKasten = s.k(ziel);
    if (zielKasten.anz < s.soll[box] && s.ist[box - 1] >= 1) {
        if (!zielKasten.append(aufgestiegen(quelle[quelle.pos], box, today))) {
            meldeKeinPlatz(app, ziel);
            w.cmdantwort.visible = false;
            return;
        }
        karte_entfernen(app, box);
        zaehlerAuffrischen(app, box);
        if (box == 1 && kastenVoll(app, 2)) {
            app.msgBox("Kasten 2 ist voll !", App::kTitle);
            w.cmdantwort.visible = false;
            return;
        }
    }
    if (s.ist[box - 1] == 0) {
        meldeKastenLeer(app, box);
        w.cmdantwort.visible = false;
        if (box > 1) w.bildbox.visible = false;
    }
    if (zielKasten.anz >= s.soll[box]) {
        app.msgBox("Kasten " + zahlText(ziel) + " ist voll!", App::kTitle);
        w.cmdantwort.visible = false;
        w.cmdrichtig.visible = false;
        if (box == 1) w.bildbox.visible = false;
    }
    fortschritt_auffrischen(app);
}

// Box 5: the card stays, the pass steps on, and after the last card it ends.
void richtigKasten5(App& app) {
    CardStore& s = app.store;
    Box& k5 = s.k(5);
    korrektur_zurueckschreiben(app, 5);
    leerdsk_erstellen(s, 5);
    app.kasten5_beantwortet = k5.pos;
    if (k5.pos < k5.anz) {
        app.frm1.lblazist[4].caption = zahlTextMitLeer(k5.anz - k5.pos);
        felder_an_k5ds(app);
        k5[k5.pos] = s.kds[5];
        ++k5.pos;
        zeigeKarte(app, 5, k5.pos);
    } else {
        durchgang_beenden(app);
    }
    fortschritt_auffrischen(app);
}

}  // namespace

void cmdrichtig_Click(App& app) {
    if (!antwort_beginnen(app, true)) return;
    const int box = app.study.kasten;
    if (box == 5) {
        richtigKasten5(app);
    } else {
        richtigAufsteigen(app, box);
    }
}

}  // namespace memvalo
