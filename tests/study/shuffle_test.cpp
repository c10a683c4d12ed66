// Shuffling a box before its query.
#include "study/shuffle.h"

#include <algorithm>

#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

Texts someNames(int count) {
    Texts names;
    for (int i = 1; i <= count; ++i) names.push_back("k" + std::to_string(i));
    return names;
}

std::vector<CardRecord> sortedCards(const Box& box) {
    std::vector<CardRecord> cards;
    for (int i = 1; i <= box.anz; ++i) cards.push_back(box[i]);
    std::sort(cards.begin(), cards.end(),
              [](const CardRecord& a, const CardRecord& b) { return a.frage < b.frage; });
    return cards;
}

// Only the cards counted are shuffled, each kept once with all its fields; a box of one draws
// no number, so the first shuffle after the start orders the cards alike in every run.
TEST_F(StudyTest, ShuffleKeepsEveryCardOnceAndOrdersAlikeInEveryRun) {
    fill(4, someNames(40));
    app.store.k(4)[41].frage = "hinter dem letzten";
    const auto before = sortedCards(app.store.k(4));
    shuffleBox(app, 2, 1);
    shuffleBox(app, 1, 0);
    shuffleBox(app, 4, 40);
    EXPECT_EQ(sortedCards(app.store.k(4)), before);
    EXPECT_NE(answersIn(4), someNames(40));
    EXPECT_EQ(app.store.k(4)[41].frage, "hinter dem letzten");
    ScriptedPlatform p;
    App run(p);
    for (const std::string& n : someNames(40)) run.store.k(4).append(card(n, 4));
    shuffleBox(run, 4, 40);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(run.store.k(4)[i].antwort, answersIn(4)[i - 1]);
}

TEST_F(StudyTest, YesToTheShuffleQuestionShufflesAndStartsAtCard1) {
    fill(3, someNames(10));
    expectAnswers({Answer::Yes});
    queryBox(3);
    EXPECT_EQ(platform.messages.back().title, "Abfrage");
    EXPECT_EQ(platform.messages.back().buttons, Buttons::YesNo);
    EXPECT_NE(answersIn(3), someNames(10));
    EXPECT_EQ(app.store.k(3).pos, 1);
    EXPECT_EQ(app.frm1.txtantwort.caption, answersIn(3)[0]);
    EXPECT_EQ(platform.busyDepth, 0);
    EXPECT_EQ(progressText(), " 10 von  850");
}

}  // namespace
}  // namespace memvalo::test
