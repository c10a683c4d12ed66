// Taking back the last answer puts the set and the window back exactly as they were before
// it, with the card asked again under its covers.
#include <functional>
#include <tuple>
#include <utility>

#include "files/set_saving.h"
#include "study/media.h"
#include "study/navigation.h"
#include "study/study_fixture.h"
#include "study/take_back.h"

namespace memvalo::test {
namespace {

struct Case {
    const char* name;
    std::vector<std::pair<int, Texts>> cards;
    int box;
    // Answers given first and kept, then the answer that is taken back.
    std::vector<bool> earlierRight;
    bool right;
    // Every message box up to the one the answer gives, the shuffle question first.
    std::vector<Answer> messages;
    // The capacity of the box after the one asked, when it is to be nearly full.
    int nextBoxCapacity = 0;
};

// The case's name stands for it in the test names and messages.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class TakeBack : public StudyTest, public ::testing::WithParamInterface<Case> {
  protected:
    void answer(bool right) { right ? pressRight() : pressWrong(); }

    void expectSameStore(const CardStore& before) const {
        const CardStore& now = app.store;
        for (int box = 1; box <= 5; ++box) {
            const Box& is = now.k(box);
            const Box& was = before.k(box);
            EXPECT_EQ(std::pair(is.anz, is.pos), std::pair(was.anz, was.pos)) << "box " << box;
            for (int slot = 1; slot <= Box::kSlots; ++slot) {
                EXPECT_TRUE(is[slot] == was[slot]) << "box " << box << " slot " << slot;
            }
        }
        EXPECT_TRUE(now.ist == before.ist && now.soll == before.soll && now.kds == before.kds &&
                    now.leerdsk == before.leerdsk && now.maskeds == before.maskeds &&
                    now.leerds == before.leerds);
    }

    // The names of the controls that look different from `before`; a hidden control looks
    // the same whatever it holds.
    std::string changedControls(const ControlMap& before) const {
        const auto looks = [](const Control& c) {
            return std::tie(c.visible, c.enabled, c.caption, c.checked, c.locked, c.backColor,
                            c.foreColor, c.value, c.max, c.text2, c.picture, c.geometry);
        };
        std::string names;
        for (const auto& [name, was] : before) {
            const Control& is = app.frm1.controls().at(name);
            const bool same = (!is.visible && !was.visible) || looks(is) == looks(was);
            if (!same && name != "mnuzurücknehmen") names += name + " ";
        }
        return names;
    }
};

TEST_P(TakeBack, PutsSetAndWindowBackAsBeforeTheAnswer) {
    const Case& c = GetParam();
    for (const auto& [box, names] : c.cards) fill(box, names);
    if (c.nextBoxCapacity > 0) app.store.soll[static_cast<std::size_t>(c.box)] = c.nextBoxCapacity;
    platform.answers.insert(platform.answers.end(), c.messages.begin(), c.messages.end());
    queryBox(c.box);
    for (bool right : c.earlierRight) answer(right);
    const CardStore store = app.store;
    const ControlMap covered = app.frm1.controls();
    const int answered = app.kasten5_beantwortet;
    const std::string media = app.medienverweis;

    answer(c.right);
    ASSERT_TRUE(app.frm1.mnuzurücknehmen.enabled);
    mnuzurücknehmen_Click(app);

    expectSameStore(store);
    EXPECT_EQ(changedControls(covered), "");
    EXPECT_EQ(app.kasten5_beantwortet, answered);
    EXPECT_EQ(app.medienverweis, media);
    EXPECT_EQ(buttons(), "A");
    EXPECT_FALSE(app.frm1.mnuzurücknehmen.enabled) << "one step back, not a history";
}

const std::vector<Answer> kShuffleNo = {Answer::No};

INSTANTIATE_TEST_SUITE_P(
    Moves, TakeBack,
    ::testing::Values(
        Case{"box1to2", {{1, {"a", "b"}}}, 1, {}, true, kShuffleNo},
        Case{"box4to5", {{4, {"a", "b"}}}, 4, {}, true, kShuffleNo},
        Case{"box3to1", {{1, {"x"}}, {3, {"a", "b"}}}, 3, {}, false, kShuffleNo},
        Case{"wrongInBox1AtTheEndOfThePass",
             {{1, {"a", "b"}}},
             1,
             {false},
             false,
             {Answer::No, Answer::OK}},
        Case{"lastCardOfABox5Pass", {{5, {"a", "b"}}}, 5, {true}, true, {Answer::No, Answer::OK}},
        Case{"rightAnswerThatFillsTheNextBox",
             {{2, {"a", "b"}}, {3, {"c"}}},
             2,
             {},
             true,
             {Answer::No, Answer::OK},
             2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StudyTest, MovingOnLeavesNoAnswerToTakeBack) {
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"browse back to querying", [&] { optk5_Click(app); }},
        {"page box 5", [&] { cmd5ende_Click(app); }},
        {"entry mode", [&] { mnueingabe_Click(app); }},
        {"query mode", [&] { mnuzufall_Click(app); }},
        {"save",
         [&] {
             for (int i = 0; i < 5; ++i) app.frm1.txtazsoll[i].caption = "100";
             ASSERT_TRUE(saveSetAs(app, dir.file("set.ldt")));
         }},
    };
    fill(5, {"a"});
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        expectAnswers({Answer::No, Answer::OK});
        queryBox(5);
        pressRight();
        ASSERT_TRUE(app.frm1.mnuzurücknehmen.enabled);
        step();
        EXPECT_FALSE(app.frm1.mnuzurücknehmen.enabled);
    }
}

TEST_F(StudyTest, CtrlZTakesTheAnswerBackAlsoWhileTheNextAnswerIsShown) {
    fill(1, {"a", "b"});
    expectAnswers({Answer::No});
    queryBox(1);
    pressWrong();
    cmdantwort_Click(app);
    ASSERT_FALSE(app.frm1.mnumoduswahl.enabled);
    UiEvent key{"frm1", "KeyDown"};
    key.key = 'Z';
    key.shift = 2;
    takeBackByKey(app, key);
    EXPECT_EQ(key.key, 0);
    EXPECT_EQ(app.store.k(1)[1].falsch.text(), "0         ");
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    EXPECT_EQ(buttons(), "A");
}

TEST_F(StudyTest, TakeBackNeverUndoesACardChangedSinceTheAnswer) {
    fill(1, {"b", "c"});
    expectAnswers({Answer::No});
    queryBox(1);
    pressWrong();
    platform.fileAnswers.push_back("/bilder/neu.jpg");
    mnubt_Click(app);
    expectAnswers({Answer::OK});
    mnuzurücknehmen_Click(app);
    EXPECT_EQ(newMessages().back(),
              "Die letzte Antwort lässt sich nicht mehr zurücknehmen:\r"
              "die Karten wurden seitdem verändert.");
    EXPECT_EQ(app.store.k(1)[2].medium, "/bilder/neu.jpg");
    EXPECT_EQ(app.store.k(1)[1].falsch.text(), "1         ");
}

}  // namespace
}  // namespace memvalo::test
