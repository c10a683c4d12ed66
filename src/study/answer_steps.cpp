#include "study/answer_steps.h"

#include <charconv>

#include "core/text_encoding.h"
#include "core/transfer.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/cover.h"
#include "study/mode_label.h"
#include "study/number_text.h"
#include "study/status.h"

namespace memvalo {

void showCardCovered(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    w.cmdantwort.visible = true;
    w.cmdrichtig.visible = false;
    w.cmdfalsch.visible = false;
    verdecken(app);
    w.mnudatei.enabled = true;
    w.mnukastwahl.enabled = true;
    w.mnumoduswahl.enabled = true;
    // The picture belongs to the answer, which is covered again now.
    if (!w.mnuzeigbild.checked) w.bildbox.visible = false;
}

bool beginAnswer(StudyContext& app, bool richtig) {
    app.playSound(richtig ? "yes.wav" : "falsch.wav");
    showCardCovered(app);
    app.schritt_gespeichert = "nein";
    if (!richtig) app.markierung.clear();
    if (positionHoldsCard(app, app.study.kasten)) return true;
    app.frm1.cmdantwort.visible = false;
    return false;
}

void writeBackCorrection(StudyContext& app, int box) {
    if (app.settings.korrektur != 1) return;
    MainWindowModel& w = app.frm1;
    CardRecord& record = app.store.workRecord(box);
    for (const CardField& f : kCardFields) record.*f.text = trimBlanks(f.box(w).caption);
    if (box == 1) {
        felder_an_maskeds(app);
    } else {
        felder_an_kds(app, box);
    }
    Box& k = app.store.k(box);
    k[k.pos] = record;
    app.karte_gespeichert = "nein";
}

void countWrongAnswer(CardRecord& card) {
    const std::string text = trimBlanks(card.falsch.text());
    long long count = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), count);
    if (result.ec != std::errc{} || count < 0) count = 0;
    card.falsch = std::to_string(count + 1);
}

void endBox5Pass(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    w.lblazist[4].caption = paddedNumber(0);
    zeigen(app);
    w.mnu5leeren.enabled = true;
    app.msgBox(std::string("Alle Fragen in Kasten 5 sind beantwortet!") + kCR +
                   "Sie können jetzt die Karten im Kasten 5 durchblättern." + kCR +
                   "Sie können auch im Menü >Datei/Kasten 5 leeren< den Kasten leeren!",
               "Sie sind ein fleißiger Mensch...", Buttons::OK, Icon::Information);
    w.cmdantwort.visible = false;
    w.cmdrichtig.visible = false;
    showBrowseMode(app, "Blättern");
    for (Control* c :
         {&w.cmd5anfang, &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende, &w.Label5, &w.lblxvony}) {
        c->visible = true;
    }
    w.optk5.caption = "lieber Abfragen...";
    w.optk5.visible = true;
    Box& k5 = app.store.k(5);
    k5.pos = 1;
    showCard(app, 5, 1);
    w.lblazist[4].caption = paddedNumber(k5.anz);
    status5(app);
}

CardRecord backToBox1(const CardRecord& card) {
    CardRecord back;
    for (const CardField& f : kCardFields) back.*f.text = card.*f.text;
    back.erstellt = card.erstellt;
    back.falsch = card.falsch;
    back.medium = card.medium;
    return back;
}

}  // namespace memvalo
