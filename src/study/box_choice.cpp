#include "study/box_choice.h"

#include <string>

#include "core/busy_pointer.h"
#include "core/text_encoding.h"
#include "model/visibility.h"
#include "study/box_messages.h"
#include "study/card_display.h"
#include "study/cover.h"
#include "study/mode_label.h"
#include "study/number_text.h"
#include "study/shuffle.h"
#include "study/status.h"
#include "study/take_back.h"

namespace memvalo {

namespace {

void checkItem(StudyContext& app, int box) {
    for (int i = 0; i < 5; ++i) app.frm1.mnukk[i].checked = i == box - 1;
}

// Asks whether to shuffle the box, then starts the query at its first card.
void shuffleAndStart(StudyContext& app, int box) {
    Box& k = app.store.k(box);
    const Answer answer = app.msgBox("Datensatz im Kasten " + plainNumber(box) + " mischen?",
                                     "Abfrage", Buttons::YesNo, Icon::Question);
    if (answer == Answer::Yes) {
        const BusyPointer busy(app.platform);
        shuffleBox(app, box, k.anz);
    }
    k.pos = 1;
    showCard(app, box, 1);
}

void finishBoxChoice(StudyContext& app) {
    const int box = app.study.kasten;
    app.frm1.lblkasten.caption = paddedNumber(box);
    if (box == 5) {
        progressOfBox5(app);
        return;
    }
    const auto i = static_cast<std::size_t>(box - 1);
    setProgress(app, app.store.soll[i], app.store.ist[i],
                app.frm1.lblazist[box - 1].caption + " von ", paddedNumber(app.store.soll[i]));
}

void browseBox5(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    showBrowseMode(app, "Blättern");
    setVisible({&w.cmd5anfang, &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende, &w.lblxvony, &w.Label5},
               true);
    w.cmdantwort.visible = false;
    zeigen(app);
    w.optk5.caption = "lieber Abfragen...";
    w.optk5.visible = true;
    app.store.k(5).pos = 1;
    showCard(app, 5, 1);
    status5(app);
}

// A query of box 5 says so, also when the window was browsing box 5 before: the page keys
// and the pictures follow the mode label.
void queryBox5(StudyContext& app) {
    if (app.frm1.mnuzufall.checked) showQueryMode(app);
}

bool wantsToResume(StudyContext& app, int answered) {
    const std::string n = plainNumber(answered);
    const std::string text = "Sie haben bereits " + n + (answered == 1 ? " Frage " : " Fragen ") +
                             " richtig beantwortet." + kCR + "Möchten Sie mit der " +
                             plainNumber(answered + 1) + ".ten Frage weitermachen ?" + kCR +
                             "Wenn Sie NEIN wählen, beginnt die Abfrage von vorne.";
    return app.msgBox(text, "Was möchten Sie tun?", Buttons::YesNo, Icon::Question) == Answer::Yes;
}

void reportAllAnswered(StudyContext& app) {
    app.msgBox(std::string("Sie hatten alle Fragen in diesem Kasten beantwortet.") + kCR +
                   "Wenn Sie OK drücken, können Sie nochmals von vorne anfangen" + kCR +
                   "oder aus dem Menü einen anderen Kasten zum Beantworten auswählen" + kCR +
                   "(natürlich nur, wenn auch Karten darin sind ;-) )",
               "Irgendwann hat man es geschafft...", Buttons::OK, Icon::Information);
}

// Box 5 may go on from where an earlier pass stopped; false when it did, or browses instead.
bool box5StartsAnew(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    Box& k5 = app.store.k(5);
    if (app.kasten5_beantwortet > 0) --app.kasten5_beantwortet;
    const int n = app.kasten5_beantwortet;
    const int ist = app.store.ist[4];
    if (n >= 1 && n < ist && n < k5.anz) {
        if (!wantsToResume(app, n)) return true;
        queryBox5(app);
        k5.pos = n + 1;
        w.lblazist[4].caption = paddedNumber(k5.anz - k5.pos + 1);
        showCard(app, 5, k5.pos);
        w.cmdantwort.visible = true;
        progressOfBox5(app);
        return false;
    }
    if (n >= 1 && n == ist) {
        reportAllAnswered(app);
        browseBox5(app);
        return false;
    }
    return true;
}

void chooseBox5(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    w.lblkasten.caption = paddedNumber(5);
    checkItem(app, 5);
    if (!box5StartsAnew(app)) return;
    queryBox5(app);
    const Box& k5 = app.store.k(5);
    // Box 5 is never the target of an answer, so a full box 5 still takes a pass; its
    // message is a hint that it is time for a new set.
    w.cmdantwort.visible = k5.anz > 0;
    if (k5.anz >= app.store.soll[4]) {
        app.msgBox("Kasten " + plainNumber(5) + " ist voll." + kCR + "Bitte neue Datei anlegen",
                   "Hinweis", Buttons::OK, Icon::Information);
    }
    shuffleAndStart(app, 5);
    finishBoxChoice(app);
}

void chooseBox(StudyContext& app, int box) {
    MainWindowModel& w = app.frm1;
    for (int d = box; d <= 4; ++d) w.dateLabel(d).caption.clear();
    checkItem(app, box);
    if (boxFull(app, box + 1)) {
        w.cmdantwort.visible = false;
        reportTargetBoxFull(app, box + 1);
    } else {
        w.cmdantwort.visible = app.store.ist[box - 1] > 0;
    }
    shuffleAndStart(app, box);
    finishBoxChoice(app);
}

}  // namespace

void mnukastwahl_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    CardStore& s = app.store;
    app.markierung.clear();
    if (!w.mnuzufall.checked) {
        for (int i = 0; i < 5; ++i) {
            w.mnukk[i].checked = false;
            w.mnukk[i].enabled = false;
        }
        return;
    }
    // Box 1 holding only the empty card being typed counts as empty; a card stored with a
    // question is never taken for it.
    if (s.ist[0] == 1 && trimBlanks(w.txtfrage.caption).empty() &&
        trimBlanks(s.k(1)[1].frage).empty()) {
        s.ist[0] = 0;
        s.k(1).anz = 0;
        w.lblazist[0].caption = plainNumber(0);
    }
    for (int i = 0; i < 5; ++i) {
        const bool hasCards = s.ist[static_cast<std::size_t>(i)] > 0;
        w.mnukk[i].enabled = hasCards;
        if (!hasCards) w.mnukk[i].checked = false;
    }
}

void mnukk_Click(StudyContext& app, int index) {
    MainWindowModel& w = app.frm1;
    forgetLastAnswer(app);
    const int box = index + 1;
    setVisible({&w.cmd5anfang, &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende, &w.Label5, &w.lblxvony},
               false);
    const bool querying = w.mnuzufall.checked;
    if (querying) {
        verdecken(app);
        w.optk5.visible = false;
    }
    w.progress.visible = true;
    if (box <= 4 && querying) showQueryMode(app);
    w.lblinfo.visible = false;
    if (box >= 2 && box1Full(app)) {
        // The box worked so far stays current, so the card on screen and the box agree.
        reportBox1Full(app, true);
        app.markierung.clear();
        finishBoxChoice(app);
        return;
    }
    app.study.kasten = box;
    if (box == 5) {
        chooseBox5(app);
    } else {
        chooseBox(app, box);
    }
}

}  // namespace memvalo
