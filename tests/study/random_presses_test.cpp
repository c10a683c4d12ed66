// Thousands of random presses over random sets: no card is ever lost or duplicated, and
// every count matches its box.
#include <algorithm>
#include <map>
#include <random>

#include "core/card_fingerprint.h"
#include "core/text_encoding.h"
#include "study/card_display.h"
#include "study/entry.h"
#include "study/navigation.h"
#include "study/study_fixture.h"
#include "study/take_back.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

// Answers every message box at random, as a learner clicking through might.
class RandomAnswers : public ScriptedPlatform {
  public:
    explicit RandomAnswers(unsigned seed) : chance_(seed) {}
    Answer msgBox(const MessageBox& box) override {
        messages.push_back(box);
        if (box.buttons != Buttons::YesNo) return Answer::OK;
        return std::bernoulli_distribution(0.5)(chance_) ? Answer::Yes : Answer::No;
    }

  private:
    std::mt19937 chance_;
};

class RandomPresses : public ::testing::TestWithParam<unsigned> {};

std::map<std::string, int> cardsInBoxes(const App& app) {
    std::map<std::string, int> seen;
    for (int box = 1; box <= 5; ++box) {
        const Box& k = app.store.k(box);
        for (int i = 1; i <= k.anz; ++i) {
            // The blank card being typed in entry mode is no card of the set.
            if (!k[i].frage.empty()) ++seen[k[i].frage];
        }
    }
    return seen;
}

enum class Pressed { Other, Answer, TakeBack };

// One press a learner could make: only visible buttons and enabled menu items.
Pressed press(App& app, std::mt19937& chance) {
    MainWindowModel& w = app.frm1;
    switch (std::uniform_int_distribution<int>(0, 10)(chance)) {
        case 0:
            if (w.mnumoduswahl.enabled) mnueingabe_Click(app);
            break;
        case 1:
            if (!w.mnumoduswahl.enabled) break;
            mnumoduswahl_Click(app);
            mnuzufall_Click(app);
            break;
        case 2:
        case 3: {
            if (!w.mnukastwahl.enabled) break;
            mnukastwahl_Click(app);
            const int item = std::uniform_int_distribution<int>(0, 4)(chance);
            if (w.mnukk[item].enabled) mnukk_Click(app, item);
            break;
        }
        case 4:
            if (w.optk5.visible) optk5_Click(app);
            break;
        case 5:
        case 6:
            if (!w.cmdrichtig.visible) break;
            cmdrichtig_Click(app);
            return Pressed::Answer;
        case 7:
            if (!w.cmdfalsch.visible) break;
            cmdfalsch_Click(app);
            return Pressed::Answer;
        case 8:
            if (!w.mnuzurücknehmen.enabled) break;
            mnuzurücknehmen_Click(app);
            return Pressed::TakeBack;
        default:
            if (w.cmdantwort.visible) cmdantwort_Click(app);
            break;
    }
    return Pressed::Other;
}

// Typing and paging mixed into the query: each typed question is unique, so a card stored
// twice, or stored over another slot, shows as a duplicate.
void typeOrPage(App& app, std::mt19937& chance, int step) {
    MainWindowModel& w = app.frm1;
    const std::pair<const Control*, void (*)(StudyContext&)> buttons[] = {
        {&w.cmdvor, cmdvor_Click},         {&w.cmdvor, cmdvor_Click},
        {&w.cmdvor, cmdvor_Click},         {&w.cmdzurück, cmdzurück_Click},
        {&w.cmdanfang, cmdanfang_Click},   {&w.cmdende, cmdende_Click},
        {&w.cmdlöschen, cmdlöschen_Click}, {&w.cmd5vor, cmd5vor_Click}};
    const auto choice = static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 9)(chance));
    if (choice >= 2) {
        if (buttons[choice - 2].first->visible) buttons[choice - 2].second(app);
    } else if (!w.txtfrage.locked) {
        w.txtfrage.caption = "t" + std::to_string(step) + "?";
        w.txtantwort.caption = std::bernoulli_distribution(0.8)(chance) ? "t" : "";
    }
}

// Odd seeds also type and page: the set changes then, but no card may appear twice.
TEST_P(RandomPresses, NoCardIsLostOrDuplicated) {
    std::mt19937 chance(GetParam());
    RandomAnswers platform(GetParam());
    App app(platform);
    app.frm1.mnuklang.checked = false;
    const bool typing = GetParam() % 2 == 1;
    // Tight capacities run into full boxes soon; loose ones keep the query going.
    const bool tight = GetParam() % 4 < 2;
    for (int box = 1; box <= 5; ++box) {
        const auto i = static_cast<std::size_t>(box - 1);
        const int count = std::uniform_int_distribution<int>(0, 8)(chance);
        app.store.soll[i] = count + std::uniform_int_distribution<int>(0, tight ? 8 : 60)(chance);
        for (int c = 0; c < count; ++c) {
            app.store.k(box).append(card("b" + std::to_string(box) + "c" + std::to_string(c), "x"));
        }
        app.store.k(box).pos = app.store.k(box).anz;
        app.store.ist[i] = app.store.k(box).anz;
        app.frm1.lblazist[box - 1].caption = std::to_string(app.store.k(box).anz);
    }
    mnueingabe_Click(app);
    const auto initial = cardsInBoxes(app);
    int answers = 0;
    int takenBack = 0;
    std::uint64_t beforeLastAnswer = 0;
    for (int step = 0; step < 5000; ++step) {
        SCOPED_TRACE(step);
        const std::uint64_t before = cardsFingerprint(app.store);
        const Pressed pressed = typing && std::bernoulli_distribution(0.5)(chance)
                                    ? (typeOrPage(app, chance, step), Pressed::Other)
                                    : press(app, chance);
        if (pressed == Pressed::Answer) {
            ++answers;
            beforeLastAnswer = before;
        } else if (pressed == Pressed::TakeBack) {
            ++takenBack;
            ASSERT_EQ(cardsFingerprint(app.store), beforeLastAnswer) << "set as before the answer";
        }
        const MainWindowModel& w = app.frm1;
        if (w.cmdantwort.visible || w.cmdrichtig.visible) {
            const Box& asked = app.store.k(app.study.kasten);
            ASSERT_TRUE(asked.pos >= 1 && asked.pos <= asked.anz)
                << "a button offers to answer box " << app.study.kasten << " at position "
                << asked.pos << " of " << asked.anz;
        }
        const auto cards = cardsInBoxes(app);
        if (typing) {
            for (const auto& [frage, count] : cards) ASSERT_EQ(count, 1) << frage;
        } else {
            ASSERT_EQ(cards, initial);
        }
        for (int box = 1; box <= 5; ++box) {
            const Box& k = app.store.k(box);
            // The card being typed is counted once it is stored.
            if (box > 1 || !typing) {
                ASSERT_EQ(app.store.ist[static_cast<std::size_t>(box - 1)], k.anz) << box;
            }
            if (box < 5 && !typing) {
                ASSERT_EQ(trimBlanks(w.lblazist[box - 1].caption), std::to_string(k.anz)) << box;
            }
        }
        // An emptied box 1 keeps position 1, as the program always had it.
        ASSERT_TRUE(app.store.k(1).pos >= 0 &&
                    app.store.k(1).pos <= std::max(app.store.k(1).anz, 1));
    }
    EXPECT_GT(answers, tight ? 20 : 50) << "the presses must reach the answer buttons";
    EXPECT_GT(takenBack, 2) << "and take some answers back";
    EXPECT_TRUE(!typing || cardsInBoxes(app) != initial) << "and store typed cards";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPresses, ::testing::Range(1u, 13u));

}  // namespace
}  // namespace memvalo::test
