// A card's way through the boxes and the order in which each box asks its cards.
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

TEST_F(StudyTest, CardClimbsToBox5CollectingDatesAndFallsBackToBox1) {
    fill(1, {"a"});
    expectAnswers({Answer::No, Answer::OK});
    queryBox(1);
    EXPECT_EQ(app.frm1.txtfrage.caption + buttons(), "a?A");
    pressRight();
    EXPECT_EQ(newMessages(), (Texts{"Datensatz im Kasten 1 mischen?",
                                    "Geschafft!!\rKarteikasten 1 ist leer!\r"
                                    "Entweder Karteikasten 2 beantworten oder\r"
                                    "neue Fragen in Karteikasten 1 eingeben!"}));
    EXPECT_EQ(app.store.ist, (std::array<int, 5>{0, 1, 0, 0, 0}));
    EXPECT_EQ(buttons() + app.frm1.lblazist[1].caption + progressText(), "1 0 von  250");

    const Texts dates = {"06.12.2026", "07.12.2026", "08.12.2026", "09.12.2026"};
    for (int box = 2; box <= 4; ++box) {
        platform.todayText = dates[static_cast<std::size_t>(box - 1)];
        expectAnswers({Answer::No, Answer::OK});
        choose(box);
        EXPECT_EQ(buttons(), "A");
        pressRight();
        const std::string n = std::to_string(box);
        EXPECT_EQ(newMessages(), (Texts{"Datensatz im Kasten " + n + " mischen?",
                                        "Geschafft!!\rKarteikasten " + n + " ist leer!"}));
        EXPECT_EQ(buttons(), "");
        EXPECT_FALSE(app.frm1.bildbox.visible);
        EXPECT_EQ(std::pair(app.store.k(box).anz, app.store.k(box + 1).anz), std::pair(0, 1));
        EXPECT_EQ(app.frm1.lblazist[box - 1].caption + app.frm1.lblazist[box].caption, "01");
    }
    CardRecord inBox5 = card("a");
    for (int d = 0; d < 4; ++d) inBox5.kasten_am[d] = dates[static_cast<std::size_t>(d)];
    EXPECT_EQ(app.store.k(5)[1], inBox5);

    expectAnswers({Answer::No, Answer::OK});
    choose(5);
    EXPECT_EQ(app.frm1.lbldatum4.caption, "09.12.2026");
    pressWrong();
    EXPECT_EQ(newMessages().back(),
              "Kasten 5 ist leer!\rWählen Sie einen anderen Kasten oder wechseln Sie zur Eingabe");
    EXPECT_EQ(buttons(), "");
    CardRecord back = card("a");
    back.falsch = "1";
    ASSERT_EQ(app.store.k(1).anz, 1);
    EXPECT_EQ(app.store.k(1)[1], back);
    EXPECT_EQ(app.store.ist, (std::array<int, 5>{1, 0, 0, 0, 0}));
    EXPECT_EQ(app.frm1.lblazist[0].caption + app.frm1.lblazist[4].caption, " 1 0");
    EXPECT_EQ(app.schritt_gespeichert, "nein");
    EXPECT_EQ(app.frm1.progress.max, 1);
}

TEST_F(StudyTest, Boxes2To4AlwaysAskTheCardAtPosition1) {
    fill(1, {"p"});
    fill(2, {"a", "b", "c"});
    expectAnswers({Answer::No});
    queryBox(2);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    pressRight();
    EXPECT_EQ(app.store.k(2).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption + app.frm1.lblazist[1].caption + progressText(),
              "b?2 2 von  500");
    EXPECT_EQ(answersIn(3), (Texts{"a"}));
    pressWrong();
    EXPECT_EQ(app.store.k(2).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption + buttons(), "c?A");
    EXPECT_EQ(answersIn(1), (Texts{"p", "b"}));
    EXPECT_EQ(app.store.k(1)[2].kasten_am[0].text().find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(app.frm1.lblazist[0].caption + app.frm1.lblazist[1].caption, " 2 1");
    EXPECT_EQ(newMessages(), (Texts{"Datensatz im Kasten 2 mischen?"}));
}

const std::string kBox5Done =
    "Alle Fragen in Kasten 5 sind beantwortet!\r"
    "Sie können jetzt die Karten im Kasten 5 durchblättern.\r"
    "Sie können auch im Menü >Datei/Kasten 5 leeren< den Kasten leeren!";

TEST_F(StudyTest, Box5CountsDownAndEndsItsPassInBrowsing) {
    fill(5, {"a", "b", "c"});
    expectAnswers({Answer::No});
    queryBox(5);
    pressRight();
    EXPECT_EQ(app.frm1.lblazist[4].caption + app.frm1.txtfrage.caption + progressText(),
              " 2b? 2 von  3");
    pressRight();
    expectAnswers({Answer::OK});
    pressRight();
    EXPECT_EQ(newMessages(), (Texts{"Datensatz im Kasten 5 mischen?", kBox5Done}));
    const MainWindowModel& w = app.frm1;
    EXPECT_EQ(w.lblbild.caption + buttons(), "Blättern");
    EXPECT_EQ(w.lblbild.backColor, 0x00FFFFu);
    EXPECT_TRUE(w.cmd5anfang.visible && w.cmd5vor.visible && w.cmd5ende.visible &&
                w.cmd5zurück.visible && w.lblxvony.visible && w.optk5.visible);
    EXPECT_FALSE(w.picantwort.visible || w.piczusatz1.visible || w.piczusatz2.visible);
    EXPECT_EQ(w.txtfrage.caption + w.lblazist[4].caption + w.lblxvony.caption + w.optk5.caption,
              "a? 3 1 von  3lieber Abfragen...");
    EXPECT_EQ(app.kasten5_beantwortet, 3);
    EXPECT_EQ(answersIn(5), (Texts{"a", "b", "c"}));

    optk5_Click(app);
    EXPECT_EQ(w.lblbild.caption + buttons() + w.optk5.caption, " Abfrage Alieber Blättern...");
    EXPECT_FALSE(w.cmd5vor.visible || w.lblxvony.visible);
    optk5_Click(app);
    EXPECT_EQ(w.lblbild.caption + buttons() + w.lblxvony.caption, " Blättern 1 von 3");

    // Choosing box 5 again from browsing queries it, and the mode label says so.
    expectAnswers({Answer::No, Answer::No});
    choose(5);
    EXPECT_EQ(w.lblbild.caption + buttons(), " Abfrage A");
}

TEST_F(StudyTest, WrongAnswerOnTheLastCardOfBox5EndsThePass) {
    fill(5, {"a", "b"});
    expectAnswers({Answer::No, Answer::OK});
    queryBox(5);
    pressRight();
    pressWrong();
    EXPECT_EQ(newMessages().back(), kBox5Done);
    EXPECT_EQ(answersIn(5), (Texts{"a"}));
    EXPECT_EQ(answersIn(1), (Texts{"b"}));
    EXPECT_EQ(app.store.k(5).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption + app.frm1.lblbild.caption + buttons(), "a?Blättern");
}

}  // namespace
}  // namespace memvalo::test
