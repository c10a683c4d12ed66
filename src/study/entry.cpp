#include "study/entry.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string>

#include "core/anzeige.h"
#include "core/card_fields.h"
#include "core/text_encoding.h"
#include "core/transfer.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/status.h"
#include "study/typed_card.h"

namespace memvalo {

namespace {

// Box 1 is full at its target value, and never beyond its 2000 slots.
bool box1AtCapacity(const StudyContext& app) {
    return app.store.k(1).anz >= std::min(app.store.soll[0], Box::kSlots);
}

void reportBox1FullOnEntry(StudyContext& app) {
    app.msgBox(std::string("Der Karteikasten Nr. 1 ist voll. Speichern Sie erst ab und") + kCR +
                   "beantworten Sie dann einige Fragen richtig, damit wieder Platz wird." + kCR +
                   kCR + "Hinweis (obwohl Sie's schon wissen):" + kCR +
                   "Die richtig beantworteten Fragen kommen in den nachstgrößeren Karteikasten." +
                   kCR + kCR +
                   "Sie können auch über das Menü 'EINSTELLUNGEN' die zulässige "
                   "Kartenanzahl erhöhen." +
                   kCR + kCR + "Gutes Gelingen !",
               "Dateneingabe", Buttons::OK, Icon::Exclamation);
}

void showEmptyCard(StudyContext& app) {
    leerds_erstellen(app.store, app.platform.today());
    app.store.maskeds = app.store.leerds;
    maskeds_an_felder(app);
}

// Opens a new empty card behind the last one; box 1 counts it from now on.
void openNewCardAtEnd(StudyContext& app) {
    Box& k1 = app.store.k(1);
    ++k1.anz;
    k1.pos = k1.anz;
    showEmptyCard(app);
    k1[k1.pos] = app.store.leerds;
}

// Stores the last card, stamped with today's date, and opens a new one behind it.
void storeLastCard(StudyContext& app) {
    app.frm1.lbldatum0.caption = trimBlanks(app.platform.today());
    storeShownCard(app);
    app.karte_gespeichert = "nein";
    openNewCardAtEnd(app);
}

void deleteShownCard(StudyContext& app, bool ok) {
    Box& k1 = app.store.k(1);
    if (k1.anz == 1 && trimBlanks(app.frm1.txtfrage.caption).empty()) {
        k1.anz = 0;
        k1.pos = 0;
        status_aktuell(app);
        return;
    }
    if (!ok) return;
    app.playSound("löschen.wav");
    // Nothing else marks a deletion as unsaved, and it must not be lost without a question.
    app.karte_gespeichert = "nein";
    app.schritt_gespeichert = "nein";
    leerds_erstellen(app.store, app.platform.today());
    const CardRecord blank = app.store.leerds;
    if (k1.anz == 1) {
        k1[k1.pos] = blank;
        app.store.maskeds = blank;
        maskeds_an_felder(app);
    } else {
        const int staysAt = k1.pos == k1.anz ? k1.anz - 1 : k1.pos;
        for (int p = k1.pos; p < k1.anz; ++p) k1[p] = k1[p + 1];
        k1[k1.anz] = blank;
        --k1.anz;
        k1.pos = staysAt;
        showCard(app, 1, k1.pos);
    }
}

}  // namespace

void unvollständig(StudyContext& app) {
    app.msgBox(
        std::string("Nicht so faul sein ;-))") + kCR + "Mindestens Frage und Antwort eingeben !",
        "Unvollständige Eingabe", Buttons::OK, Icon::Information);
    app.frm1.txtfrage.focusRequested = true;
}

void cmdvor_Click(StudyContext& app) {
    Box& k1 = app.store.k(1);
    app.schritt_gespeichert = "nein";
    app.playSound("vor.wav");
    if (k1.pos == k1.anz) {
        if (box1AtCapacity(app)) {
            reportBox1FullOnEntry(app);
        } else if (questionAndAnswerFilled(app)) {
            storeLastCard(app);
        } else {
            unvollständig(app);
        }
    } else if (k1.pos < k1.anz) {
        if (questionAndAnswerFilled(app)) {
            storeShownCard(app);
            ++k1.pos;
            showCard(app, 1, k1.pos);
            status_aktuell(app);
        } else {
            unvollständig(app);
        }
    }
    app.frm1.cmdspiegel.visible = true;
    status_aktuell(app);
    app.frm1.txtfrage.focusRequested = true;
}

bool deletionConfirmed(StudyContext& app) {
    return app.msgBox("Diesen Datensatz wirklich löschen?", "Datensatz löschen", Buttons::OKCancel,
                      Icon::Critical, 2) == Answer::OK;
}

void cmdlöschen_Click(StudyContext& app) {
    if (app.store.k(1).anz == 0) return;
    const bool ok = deletionConfirmed(app);
    try {
        deleteShownCard(app, ok);
    } catch (const std::exception&) {
        app.msgBox("Fehler im Modul LÖSCHEN ", StudyContext::kTitle);
        return;
    }
    app.frm1.txtfrage.focusRequested = true;
    status_aktuell(app);
}

void cmdspiegel_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    if (!questionAndAnswerFilled(app)) {
        app.msgBox("Frage und Antwortfeld dürfen nicht leer sein!", "Soll ich NICHTS spiegeln ??",
                   Buttons::OK, Icon::Information);
        return;
    }
    std::array<std::string, kCardFieldCount> texts;
    for (std::size_t f = 0; f < kCardFieldCount; ++f) {
        texts[f] = trimBlanks(kCardFields[f].box(w).caption);
    }
    const std::string medium = app.medienverweis;
    Box& k1 = app.store.k(1);
    const int countBefore = k1.anz;
    if (k1.pos == k1.anz) {
        cmdvor_Click(app);
    } else {
        // Inside the box the twin goes to the end, so that no following card is overwritten.
        app.schritt_gespeichert = "nein";
        storeShownCard(app);
        if (box1AtCapacity(app)) {
            reportBox1FullOnEntry(app);
        } else {
            openNewCardAtEnd(app);
            app.karte_gespeichert = "nein";
        }
        status_aktuell(app);
    }
    // A full box opened no new card: the swapped texts would land on the stored one.
    if (k1.anz == countBefore) return;
    // The mirror swaps question and answer; the extra fields stay.
    std::swap(texts[0], texts[1]);
    for (std::size_t f = 0; f < kCardFieldCount; ++f) kCardFields[f].box(w).caption = texts[f];
    app.medienverweis = medium;
    anzeige(app);
    w.cmdspiegel.visible = false;
}

void txtantwort_LostFocus(StudyContext& app) {
    if (!trimBlanks(app.frm1.txtantwort.caption).empty() && !app.frm1.mnuzufall.checked) {
        app.frm1.cmdspiegel.visible = true;
    }
}

}  // namespace memvalo
