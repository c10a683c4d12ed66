#include <string>

#include "core/history_file.h"
#include "core/text_encoding.h"
#include "core/transfer.h"
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

// The card as it enters box `box` + 1: its dates so far and today's as the new box's date.
CardRecord promoted(const CardRecord& card, int box, const std::string& today) {
    CardRecord moved;
    for (const CardField& f : kCardFields) moved.*f.text = card.*f.text;
    moved.erstellt = card.erstellt;
    for (int d = 0; d < CardRecord::datesOfBox(box); ++d) moved.kasten_am[d] = card.kasten_am[d];
    moved.kasten_am[CardRecord::datesOfBox(box)] = today;
    moved.falsch = card.falsch;
    moved.medium = card.medium;
    return moved;
}

void reportBoxEmptied(StudyContext& app, int box) {
    const std::string name = "Karteikasten " + plainNumber(box) + " ist leer";
    std::string text = std::string("Geschafft!!") + kCR + name + "!";
    if (box == 1) {
        text += std::string(1, kCR) + "Entweder Karteikasten 2 beantworten oder" + kCR +
                "neue Fragen in Karteikasten 1 eingeben!";
    }
    app.msgBox(text, name, Buttons::OK, Icon::Information);
}

void refreshCounts(StudyContext& app, int box) {
    CardStore& s = app.store;
    MainWindowModel& w = app.frm1;
    if (box == 1) {
        status_aktuell(app);
    } else {
        s.ist[box - 1] = s.k(box).anz;
        w.lblazist[box - 1].caption = plainNumber(s.ist[box - 1]);
    }
    s.ist[box] = s.k(box + 1).anz;
    w.lblazist[box].caption = plainNumber(s.ist[box]);
}

// Box 1 to 4: the card moves to the end of the next box while that one has room.
void rightMovesUp(StudyContext& app, int box) {
    CardStore& s = app.store;
    MainWindowModel& w = app.frm1;
    const int target = box + 1;
    const std::string today = trimBlanks(app.platform.today());
    writeBackCorrection(app, box);
    if (box == 1) {
        leerds_erstellen(s, today);
    } else {
        leerdsk_erstellen(s, box);
    }
    Box& source = s.k(box);
    Box& targetBox = s.k(target);
    if (targetBox.anz < s.soll[box] && s.ist[box - 1] >= 1) {
        if (!targetBox.append(promoted(source[source.pos], box, today))) {
            reportNoSlotLeft(app, target);
            w.cmdantwort.visible = false;
            return;
        }
        removeCard(app, box);
        refreshCounts(app, box);
        if (box == 1 && boxFull(app, 2)) {
            app.msgBox("Kasten 2 ist voll !", StudyContext::kTitle);
            w.cmdantwort.visible = false;
            return;
        }
    }
    if (s.ist[box - 1] == 0) {
        reportBoxEmptied(app, box);
        w.cmdantwort.visible = false;
        if (box > 1) w.bildbox.visible = false;
    }
    if (targetBox.anz >= s.soll[box]) {
        app.msgBox("Kasten " + plainNumber(target) + " ist voll!", StudyContext::kTitle);
        w.cmdantwort.visible = false;
        w.cmdrichtig.visible = false;
        if (box == 1) w.bildbox.visible = false;
    }
    refreshProgress(app);
}

// Box 5: the card stays, the pass steps on, and after the last card it ends.
void rightInBox5(StudyContext& app) {
    CardStore& s = app.store;
    Box& k5 = s.k(5);
    writeBackCorrection(app, 5);
    leerdsk_erstellen(s, 5);
    app.kasten5_beantwortet = k5.pos;
    if (k5.pos < k5.anz) {
        app.frm1.lblazist[4].caption = paddedNumber(k5.anz - k5.pos);
        felder_an_kds(app, 5);
        k5[k5.pos] = s.kds[5];
        ++k5.pos;
        showCard(app, 5, k5.pos);
    } else {
        endBox5Pass(app);
    }
    refreshProgress(app);
}

}  // namespace

void cmdrichtig_Click(StudyContext& app) {
    auto before = beforeAnswer(app);
    if (!beginAnswer(app, true)) return;
    const int box = app.study.kasten;
    recordAnswer(app, box, true);
    if (box == 5) {
        rightInBox5(app);
    } else {
        rightMovesUp(app, box);
    }
    offerTakeBack(app, std::move(before));
}

}  // namespace memvalo
