#include "study/take_back.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/card_fields.h"
#include "study/answer_journal.h"
#include "study/answer_steps.h"
#include "study/box_messages.h"

namespace memvalo {

struct AnswerSnapshot {
    // The boxes through the journal. Of the other records an answer changes only those of the
    // box asked: its work record and the empty template its removals leave behind.
    std::unique_ptr<AnswerJournal> boxes;
    CardRecord workRecord;
    CardRecord emptyTemplate;
    std::array<int, 5> soll{};
    std::array<int, 5> ist{};
    int kasten = 1;
    int kasten5_beantwortet = 0;
    std::string markierung;
    std::string medienverweis;
    std::string karte_gespeichert;
    std::string schritt_gespeichert;
    std::size_t historyAnswers = 0;
    // Each control the answer may change, as it was just before the answer, with a bit per
    // field the answer did change: only those changes are put back, so an option switched
    // since then stays as the learner left it.
    struct ShownBefore {
        Control* control = nullptr;
        ShownFields before;
        std::uint32_t changedFields = 0;
    };
    std::vector<ShownBefore> window;
};

namespace {

// The controls an answer shows its outcome in: the card, the buttons, the counters and the
// menus it locks while the answer is open. Keeping only these, not the whole window, is what
// keeps an answer within a few microseconds.
std::array<Control*, 34 + 2 * kCardFieldCount> answerControls(MainWindowModel& w) {
    std::array<Control*, 34 + 2 * kCardFieldCount> controls = {
        &w.lbldatum0,   &w.lbldatum1,   &w.lbldatum2,   &w.lbldatum3,    &w.lbldatum4,
        &w.lblfalsch,   &w.bildbox,     &w.lblbild,     &w.cmdantwort,   &w.cmdrichtig,
        &w.cmdfalsch,   &w.cmd5anfang,  &w.cmd5zurück,  &w.cmd5vor,      &w.cmd5ende,
        &w.optk5,       &w.lblxvony,    &w.progress,    &w.Label5,       &w.lblkasten,
        &w.lblinfo,     &w.mnudatei,    &w.mnukastwahl, &w.mnumoduswahl, &w.lblazist[0],
        &w.lblazist[1], &w.lblazist[2], &w.lblazist[3], &w.lblazist[4],  &w.mnukk[0],
        &w.mnukk[1],    &w.mnukk[2],    &w.mnukk[3],    &w.mnukk[4]};
    std::size_t next = 34;
    for (const CardField& f : kCardFields) {
        controls[next++] = &f.box(w);
        controls[next++] = &f.cover(w);
    }
    return controls;
}

// The fields of a control an answer may change, and taking it back puts back.
template <typename Visit>
void restoredFields(Visit visit) {
    visit(&ShownFields::visible);
    visit(&ShownFields::enabled);
    visit(&ShownFields::caption);
    visit(&ShownFields::checked);
    visit(&ShownFields::locked);
    visit(&ShownFields::tag);
    visit(&ShownFields::tooltip);
    visit(&ShownFields::backColor);
    visit(&ShownFields::foreColor);
    visit(&ShownFields::geometry);
    visit(&ShownFields::min);
    visit(&ShownFields::max);
    visit(&ShownFields::value);
    visit(&ShownFields::text2);
    visit(&ShownFields::picture);
}

// Which of the restored fields differ, one bit each in the order of restoredFields.
std::uint32_t changedFields(const ShownFields& before, const ShownFields& after) {
    std::uint32_t bits = 0;
    std::uint32_t bit = 1;
    restoredFields([&](auto field) {
        if (before.*field != after.*field) bits |= bit;
        bit <<= 1;
    });
    return bits;
}

CardRecord& emptyTemplateOf(CardStore& store, int box) {
    return box == 1 ? store.leerds : store.leerdsk.at(static_cast<std::size_t>(box));
}

void undoWindowChanges(const AnswerSnapshot& snapshot) {
    for (const auto& shown : snapshot.window) {
        std::uint32_t bit = 1;
        restoredFields([&](auto field) {
            if ((shown.changedFields & bit) != 0) shown.control->*field = shown.before.*field;
            bit <<= 1;
        });
    }
}

void restore(StudyContext& app, const AnswerSnapshot& snapshot) {
    CardStore& s = app.store;
    snapshot.boxes->undo();
    s.workRecord(snapshot.kasten) = snapshot.workRecord;
    emptyTemplateOf(s, snapshot.kasten) = snapshot.emptyTemplate;
    s.soll = snapshot.soll;
    s.ist = snapshot.ist;
    app.study.kasten = snapshot.kasten;
    app.kasten5_beantwortet = snapshot.kasten5_beantwortet;
    app.markierung = snapshot.markierung;
    app.medienverweis = snapshot.medienverweis;
    app.karte_gespeichert = snapshot.karte_gespeichert;
    app.schritt_gespeichert = snapshot.schritt_gespeichert;
    if (app.history.answers.size() > snapshot.historyAnswers) {
        app.history.answers.resize(snapshot.historyAnswers);
    }
    undoWindowChanges(snapshot);
    showCardCovered(app);
    app.frm1.cmdantwort.focusRequested = true;
}

}  // namespace

std::shared_ptr<AnswerSnapshot> beforeAnswer(StudyContext& app) {
    // A new answer ends the last one's chance of being taken back, and its watch on the cards.
    // Its snapshot, if nothing else holds it, takes this one's copies in the room it has.
    auto snapshot = std::move(app.study.lastAnswer);
    if (!snapshot || snapshot.use_count() != 1) snapshot = std::make_shared<AnswerSnapshot>();
    CardStore& s = app.store;
    if (snapshot->boxes) {
        snapshot->boxes->restart();
    } else {
        snapshot->boxes = std::make_unique<AnswerJournal>(s);
    }
    snapshot->workRecord = s.workRecord(app.study.kasten);
    snapshot->emptyTemplate = emptyTemplateOf(s, app.study.kasten);
    snapshot->soll = s.soll;
    snapshot->ist = s.ist;
    snapshot->kasten = app.study.kasten;
    snapshot->kasten5_beantwortet = app.kasten5_beantwortet;
    snapshot->markierung = app.markierung;
    snapshot->medienverweis = app.medienverweis;
    snapshot->karte_gespeichert = app.karte_gespeichert;
    snapshot->schritt_gespeichert = app.schritt_gespeichert;
    snapshot->historyAnswers = app.history.answers.size();
    const auto controls = answerControls(app.frm1);
    snapshot->window.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        AnswerSnapshot::ShownBefore& shown = snapshot->window[i];
        shown.control = controls[i];
        // Assigning into the room the last answer's copies left makes no new strings.
        shown.before = static_cast<const ShownFields&>(*controls[i]);
        shown.changedFields = 0;
    }
    return snapshot;
}

void offerTakeBack(StudyContext& app, std::shared_ptr<AnswerSnapshot> before) {
    for (auto& shown : before->window) {
        shown.changedFields = changedFields(shown.before, *shown.control);
    }
    before->boxes->answered();
    app.study.lastAnswer = std::move(before);
    app.frm1.mnuzurücknehmen.enabled = true;
}

void forgetLastAnswer(StudyContext& app) {
    app.study.lastAnswer.reset();
    app.frm1.mnuzurücknehmen.enabled = false;
}

void mnuzurücknehmen_Click(StudyContext& app) {
    const auto snapshot = app.study.lastAnswer;
    if (!snapshot) return;
    forgetLastAnswer(app);
    if (snapshot->boxes->changedSinceAnswer()) {
        app.msgBox(std::string("Die letzte Antwort lässt sich nicht mehr zurücknehmen:") + kCR +
                       "die Karten wurden seitdem verändert.",
                   "Antwort zurücknehmen", Buttons::OK, Icon::Information);
        return;
    }
    restore(app, *snapshot);
}

void takeBackByKey(StudyContext& app, UiEvent& event) {
    constexpr int kKeyZ = 'Z';
    constexpr int kCtrl = 2;
    const MainWindowModel& w = app.frm1;
    if (event.key != kKeyZ || event.shift != kCtrl || !w.mnuzurücknehmen.enabled) return;
    // With the menu open the menu's shortcut answers; fields open for corrections keep the
    // key for their own undo.
    if (w.mnumoduswahl.enabled || !w.txtantwort.locked) return;
    event.key = 0;
    mnuzurücknehmen_Click(app);
}

}  // namespace memvalo
