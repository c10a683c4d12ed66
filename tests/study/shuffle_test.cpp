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

TEST_F(StudyTest, ShuffleKeepsEveryCardOnceWithAllItsFields) {
    fill(4, someNames(40));
    app.store.k(4)[41].frage = "hinter dem letzten";
    const auto before = sortedCards(app.store.k(4));
    zufall_kasten4(app, 40);
    EXPECT_EQ(sortedCards(app.store.k(4)), before);
    EXPECT_NE(answersIn(4), someNames(40));
    EXPECT_EQ(app.store.k(4)[41].frage, "hinter dem letzten");
}

TEST_F(StudyTest, ABoxOfOneDrawsNothing) {
    fill(2, {"a"});
    RandomSource untouched = app.random;
    zufall_kasten2(app, 1);
    zufallswert(app, 0);
    EXPECT_EQ(untouched.next(), app.random.next());
    EXPECT_EQ(answersIn(2), (Texts{"a"}));
}

TEST_F(StudyTest, FirstShuffleAfterStartIsTheSameInEveryRun) {
    Texts orders[2];
    for (Texts& order : orders) {
        ScriptedPlatform p;
        App run(p);
        for (const std::string& n : someNames(12)) run.store.k(5).append(card(n, 5));
        zufall_kasten5(run, 12);
        for (int i = 1; i <= 12; ++i) order.push_back(run.store.k(5)[i].antwort);
    }
    EXPECT_EQ(orders[0], orders[1]);
    EXPECT_NE(orders[0], someNames(12));
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
