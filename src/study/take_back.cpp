#include "study/take_back.h"

#include <array>
#include <string>
#include <vector>

#include "study/answer_journal.h"
#include "study/answer_steps.h"
#include "study/box_messages.h"

namespace memvalo {

struct AnswerSnapshot {
    // The boxes through the journal; the few other records and counts of the store whole.
    std::unique_ptr<AnswerJournal> boxes;
    CardRecord maskeds;
    std::array<CardRecord, 6> kds;
    CardRecord leerds;
    std::array<CardRecord, 6> leerdsk;
    std::array<int, 5> soll{};
    std::array<int, 5> ist{};
    int kasten = 1;
    int kasten5_beantwortet = 0;
    std::string markierung;
    std::string medienverweis;
    std::string karte_gespeichert;
    std::string schritt_gespeichert;
    // The controls the answer itself changed, as they were before and after it: only those
    // changes are put back, so an option switched since then stays as the learner left it.
    struct WindowChange {
        std::size_t index;  // in the order of the window's control table
        Control before;
        Control after;
    };
    std::vector<WindowChange> windowChanges;
    // The whole window just before the answer, until the answer is done.
    std::vector<Control> windowBefore;
};

namespace {

// The fields of a control an answer may change, and taking it back puts back.
template <typename Visit>
void restoredFields(Visit visit) {
    visit(&Control::visible);
    visit(&Control::enabled);
    visit(&Control::caption);
    visit(&Control::checked);
    visit(&Control::locked);
    visit(&Control::tag);
    visit(&Control::tooltip);
    visit(&Control::backColor);
    visit(&Control::foreColor);
    visit(&Control::geometry);
    visit(&Control::min);
    visit(&Control::max);
    visit(&Control::value);
    visit(&Control::text2);
    visit(&Control::picture);
}

bool answerChanged(const Control& before, const Control& after) {
    bool changed = false;
    restoredFields([&](auto field) { changed = changed || before.*field != after.*field; });
    return changed;
}

void undoWindowChanges(App& app, const AnswerSnapshot& snapshot) {
    auto change = snapshot.windowChanges.begin();
    std::size_t index = 0;
    for (auto& entry : app.frm1.controls()) {
        if (change == snapshot.windowChanges.end()) break;
        if (change->index == index++) {
            Control& now = entry.second;
            restoredFields([&](auto field) {
                if (change->before.*field != change->after.*field) {
                    now.*field = change->before.*field;
                }
            });
            ++change;
        }
    }
}

void restore(App& app, const AnswerSnapshot& snapshot) {
    CardStore& s = app.store;
    snapshot.boxes->undo();
    s.maskeds = snapshot.maskeds;
    s.kds = snapshot.kds;
    s.leerds = snapshot.leerds;
    s.leerdsk = snapshot.leerdsk;
    s.soll = snapshot.soll;
    s.ist = snapshot.ist;
    app.study.kasten = snapshot.kasten;
    app.kasten5_beantwortet = snapshot.kasten5_beantwortet;
    app.markierung = snapshot.markierung;
    app.medienverweis = snapshot.medienverweis;
    app.karte_gespeichert = snapshot.karte_gespeichert;
    app.schritt_gespeichert = snapshot.schritt_gespeichert;
    undoWindowChanges(app, snapshot);
    showCardCovered(app);
    app.frm1.cmdantwort.focusRequested = true;
}

}  // namespace

std::shared_ptr<AnswerSnapshot> beforeAnswer(App& app) {
    // A new answer ends the last one's chance of being taken back, and its watch on the cards.
    app.study.lastAnswer.reset();
    auto snapshot = std::make_shared<AnswerSnapshot>();
    CardStore& s = app.store;
    snapshot->boxes = std::make_unique<AnswerJournal>(s);
    snapshot->maskeds = s.maskeds;
    snapshot->kds = s.kds;
    snapshot->leerds = s.leerds;
    snapshot->leerdsk = s.leerdsk;
    snapshot->soll = s.soll;
    snapshot->ist = s.ist;
    snapshot->kasten = app.study.kasten;
    snapshot->kasten5_beantwortet = app.kasten5_beantwortet;
    snapshot->markierung = app.markierung;
    snapshot->medienverweis = app.medienverweis;
    snapshot->karte_gespeichert = app.karte_gespeichert;
    snapshot->schritt_gespeichert = app.schritt_gespeichert;
    snapshot->windowBefore.reserve(app.frm1.controls().size());
    for (const auto& [name, control] : app.frm1.controls()) {
        snapshot->windowBefore.push_back(control);
    }
    return snapshot;
}

void offerTakeBack(App& app, std::shared_ptr<AnswerSnapshot> before) {
    std::size_t index = 0;
    for (const auto& [name, now] : app.frm1.controls()) {
        Control& old = before->windowBefore.at(index);
        if (answerChanged(old, now)) before->windowChanges.push_back({index, std::move(old), now});
        ++index;
    }
    before->windowBefore = {};
    before->boxes->answered();
    app.study.lastAnswer = std::move(before);
    app.frm1.mnuzurücknehmen.enabled = true;
}

void forgetLastAnswer(App& app) {
    app.study.lastAnswer.reset();
    app.frm1.mnuzurücknehmen.enabled = false;
}

void mnuzurücknehmen_Click(App& app) {
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

void takeBackByKey(App& app, UiEvent& event) {
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
