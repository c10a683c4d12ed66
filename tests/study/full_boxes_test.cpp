// Full and emptied boxes, box 1 filled by wrong answers, and resuming a box-5 pass.
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

const std::string kBox1FullLast =
    "Das war der letzte Datensatz. Kasten 1 ist voll.\r"
    "Bitte erst wieder einige Fragen aus dem Kasten 1 beantworten.";

// A right answer that fills the next box stops the query there, and choosing the box again
// is refused while the next box stays full.
class FullNextBox : public StudyTest,
                    public ::testing::WithParamInterface<std::pair<int, std::string>> {};

TEST_P(FullNextBox, StopsTheQueryAndRefusesTheBox) {
    const auto [box, filled] = GetParam();
    if (box != 1) fill(1, {"p"});
    fill(box, {"a", "b"});
    app.store.soll[static_cast<std::size_t>(box)] = 1;
    const std::string shuffle = "Datensatz im Kasten " + std::to_string(box) + " mischen?";
    expectAnswers({Answer::No, Answer::OK, Answer::OK, Answer::No});
    queryBox(box);
    pressRight();
    EXPECT_EQ(newMessages(), (Texts{shuffle, filled}));
    EXPECT_EQ(platform.messages.back().icon, Icon::None);
    EXPECT_EQ(answersIn(box + 1), (Texts{"a"}));
    EXPECT_EQ(answersIn(box), (Texts{"b"}));
    EXPECT_EQ(buttons(), "");
    choose(box);
    EXPECT_EQ(newMessages(), (Texts{"Kasten " + std::to_string(box + 1) +
                                        " ist voll.\rBitte erst einige Fragen beantworten!",
                                    shuffle}));
    EXPECT_EQ(buttons(), "");
}

INSTANTIATE_TEST_SUITE_P(Boxes, FullNextBox,
                         ::testing::Values(std::pair<int, std::string>{1, "Kasten 2 ist voll !"},
                                           std::pair<int, std::string>{2, "Kasten 3 ist voll!"},
                                           std::pair<int, std::string>{4, "Kasten 5 ist voll!"}),
                         [](const auto& info) { return "box" + std::to_string(info.param.first); });

TEST_F(StudyTest, WrongAnswersFillBox1AndTheRevealThenRefuses) {
    fill(1, {"p"});
    fill(3, {"a", "b", "c"});
    fill(4, {"y"});
    app.store.soll[0] = 2;
    expectAnswers({Answer::No, Answer::OK, Answer::OK, Answer::OK});
    queryBox(3);
    pressWrong();
    EXPECT_EQ(newMessages(), (Texts{"Datensatz im Kasten 3 mischen?", kBox1FullLast}));
    EXPECT_EQ(answersIn(1), (Texts{"p", "a"}));
    EXPECT_EQ(answersIn(3), (Texts{"b", "c"}));
    EXPECT_EQ(buttons(), "A");

    cmdantwort_Click(app);
    EXPECT_EQ(newMessages(), (Texts{"Kasten 1 ist voll.\rBitte erst wieder einige Fragen aus "
                                    "dem Kasten 1 beantworten."}));
    EXPECT_EQ(platform.messages.back().title, "Kasten 1 ist voll");
    EXPECT_TRUE(buttons() == "A" && app.frm1.picantwort.visible);

    // Choosing another box than box 1 is refused as well; box 3 stays the box worked.
    choose(4);
    EXPECT_EQ(newMessages(), (Texts{kBox1FullLast}));
    EXPECT_EQ(app.study.kasten, 3);
    EXPECT_TRUE(app.frm1.mnukk[2].checked);

    expectAnswers({Answer::No, Answer::No});
    choose(1);
    pressRight();
    EXPECT_EQ(answersIn(2), (Texts{"p"}));
    choose(3);
    cmdantwort_Click(app);
    EXPECT_EQ(buttons(), "RF");
}

TEST_F(StudyTest, ResumingABox5PassOrStartingAgain) {
    fill(5, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    const auto resume = [](int right) {
        return "Sie haben bereits " + std::to_string(right) + (right == 1 ? " Frage" : " Fragen") +
               "  richtig beantwortet.\r"
               "Möchten Sie mit der " +
               std::to_string(right + 1) +
               ".ten Frage weitermachen ?\r"
               "Wenn Sie NEIN wählen, beginnt die Abfrage von vorne.";
    };
    app.kasten5_beantwortet = 4;
    expectAnswers({Answer::Yes});
    queryBox(5);
    EXPECT_EQ(newMessages(), (Texts{resume(3)}));
    EXPECT_EQ(platform.messages.back().title, "Was möchten Sie tun?");
    EXPECT_EQ(app.store.k(5).pos, 4);
    EXPECT_EQ(app.frm1.txtfrage.caption + app.frm1.lblazist[4].caption + buttons(), "d? 7A");
    EXPECT_EQ(progressText(), " 4 von  10");

    app.kasten5_beantwortet = 2;
    expectAnswers({Answer::No, Answer::No});
    choose(5);
    EXPECT_EQ(newMessages(), (Texts{resume(1), "Datensatz im Kasten 5 mischen?"}));
    EXPECT_EQ(std::pair(app.store.k(5).pos, app.kasten5_beantwortet), std::pair(1, 1));
    EXPECT_EQ(progressText(), " 1 von  10");
}

TEST_F(StudyTest, AFullBox5IsStillQueriedAfterItsHint) {
    fill(5, {"a", "b"});
    app.store.soll[4] = 2;
    expectAnswers({Answer::OK, Answer::No});
    queryBox(5);
    EXPECT_EQ(newMessages(), (Texts{"Kasten 5 ist voll.\rBitte neue Datei anlegen",
                                    "Datensatz im Kasten 5 mischen?"}));
    pressRight();
    EXPECT_EQ(app.frm1.txtfrage.caption, "b?");
    EXPECT_EQ(answersIn(5), (Texts{"a", "b"}));
}

TEST_F(StudyTest, Box1CannotTakeCard2001) {
    Texts many;
    for (int i = 0; i < Box::kSlots; ++i) many.push_back("k" + std::to_string(i));
    fill(1, many);
    fill(2, {"a"});
    app.store.soll[0] = 3000;  // beyond the slots, as a damaged options file may give it
    expectAnswers({Answer::No, Answer::OK});
    queryBox(2);
    pressWrong();
    EXPECT_EQ(newMessages().back(),
              "Kasten 1 ist voll: Er kann höchstens 2000 Karten aufnehmen.\r"
              "Die Karte bleibt, wo sie ist.");
    EXPECT_EQ(answersIn(2), (Texts{"a"}));
    EXPECT_EQ(app.store.k(2)[1].falsch.text(), "0         ");
    EXPECT_EQ(app.store.k(1).anz, Box::kSlots);
    EXPECT_EQ(buttons(), "");
}

}  // namespace
}  // namespace memvalo::test
