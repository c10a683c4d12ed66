// A card's way through the boxes and the order in which each box asks its cards.
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

TEST_F(StudyTest, CardClimbsToBox5CollectingDatesAndFallsBackToBox1) {
    fill(1, {"a"});
    expectAnswers({Answer::No, Answer::OK});
    queryBox(1);
    EXPECT_EQ(buttons(), "A");
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    pressRight();
    EXPECT_EQ(newMessages(), (Texts{"Datensatz im Kasten 1 mischen?",
                                    "Geschafft!!\rKarteikasten 1 ist leer!\r"
                                    "Entweder Karteikasten 2 beantworten oder\r"
                                    "neue Fragen in Karteikasten 1 eingeben!"}));
    EXPECT_EQ(buttons(), "");
    EXPECT_EQ(app.store.ist, (std::array<int, 5>{0, 1, 0, 0, 0}));
    EXPECT_EQ(app.frm1.lblazist[1].caption, "1");
    EXPECT_EQ(progressText(), " 0 von  250");

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
        EXPECT_EQ(app.store.k(box).anz, 0);
        EXPECT_EQ(app.store.k(box + 1).anz, 1);
        EXPECT_EQ(app.frm1.lblazist[box].caption, "1");
        EXPECT_EQ(app.frm1.lblazist[box - 1].caption, "0");
    }
    CardRecord inBox5 = card("a");
    for (int d = 0; d < 4; ++d) inBox5.kasten_am[d] = dates[static_cast<std::size_t>(d)];
    EXPECT_EQ(app.store.k(5)[1], inBox5);

    expectAnswers({Answer::No, Answer::OK});
    choose(5);
    EXPECT_EQ(app.frm1.lbldatum4.caption, "09.12.2026");
    pressWrong();
    EXPECT_EQ(newMessages(),
              (Texts{"Datensatz im Kasten 5 mischen?",
                     "Kasten 5 ist leer!\rWählen Sie einen anderen Kasten oder wechseln Sie "
                     "zur Eingabe"}));
    EXPECT_EQ(buttons(), "");
    CardRecord back = card("a");
    back.falsch = "1";
    ASSERT_EQ(app.store.k(1).anz, 1);
    EXPECT_EQ(app.store.k(1)[1], back);
    EXPECT_EQ(app.store.k(5).anz, 0);
    EXPECT_EQ(app.store.ist, (std::array<int, 5>{1, 0, 0, 0, 0}));
    EXPECT_EQ(app.frm1.lblazist[0].caption, " 1");
    EXPECT_EQ(app.frm1.lblazist[4].caption, " 0");
    EXPECT_EQ(app.schritt_gespeichert, "nein");
    EXPECT_EQ(app.frm1.progress.max, 1);
}

TEST_F(StudyTest, Box1WalksForwardAndWrapsAfterItsLastCard) {
    fill(1, {"a", "b", "c"});
    expectAnswers({Answer::No});
    queryBox(1);
    pressWrong();
    EXPECT_EQ(app.frm1.txtfrage.caption, "b?");
    EXPECT_EQ(app.frm1.lblxvony.caption, " 2 von  3");
    pressWrong();
    expectAnswers({Answer::OK});
    pressWrong();
    EXPECT_EQ(newMessages(),
              (Texts{"Datensatz im Kasten 1 mischen?", "Jetzt gehts von vorne los..."}));
    EXPECT_EQ(platform.messages.back().title, "Alle abgefragt");
    EXPECT_EQ(app.store.k(1).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(app.store.k(1)[i].falsch.text(), "1         ");
    EXPECT_EQ(answersIn(1), (Texts{"a", "b", "c"}));
    EXPECT_EQ(buttons(), "A");
    EXPECT_TRUE(app.frm1.picantwort.visible);
    EXPECT_EQ(progressText(), " 3 von  250");
}

TEST_F(StudyTest, Boxes2To4AlwaysAskTheCardAtPosition1) {
    fill(1, {"p"});
    fill(2, {"a", "b", "c"});
    expectAnswers({Answer::No});
    queryBox(2);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    pressRight();
    EXPECT_EQ(app.store.k(2).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption, "b?");
    EXPECT_EQ(answersIn(3), (Texts{"a"}));
    EXPECT_EQ(app.frm1.lblazist[1].caption, "2");
    EXPECT_EQ(progressText(), " 2 von  500");
    pressWrong();
    EXPECT_EQ(app.store.k(2).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption, "c?");
    EXPECT_EQ(answersIn(1), (Texts{"p", "b"}));
    EXPECT_TRUE(app.store.k(1)[2].kasten_am[0].text().find_first_not_of(' ') == std::string::npos);
    EXPECT_EQ(app.frm1.lblazist[1].caption, " 1");
    EXPECT_EQ(app.frm1.lblazist[0].caption, " 2");
    EXPECT_EQ(buttons(), "A");
    EXPECT_EQ(newMessages(), (Texts{"Datensatz im Kasten 2 mischen?"}));
}

TEST_F(StudyTest, Box5CountsDownAndEndsItsPassInBrowsing) {
    fill(5, {"a", "b", "c"});
    expectAnswers({Answer::No});
    queryBox(5);
    pressRight();
    EXPECT_EQ(app.frm1.lblazist[4].caption, " 2");
    EXPECT_EQ(app.frm1.txtfrage.caption, "b?");
    EXPECT_EQ(progressText(), " 2 von  3");
    pressRight();
    EXPECT_EQ(app.frm1.lblazist[4].caption, " 1");
    expectAnswers({Answer::OK});
    pressRight();
    EXPECT_EQ(newMessages(),
              (Texts{"Datensatz im Kasten 5 mischen?",
                     "Alle Fragen in Kasten 5 sind beantwortet!\r"
                     "Sie können jetzt die Karten im Kasten 5 durchblättern.\r"
                     "Sie können auch im Menü >Datei/Kasten 5 leeren< den Kasten leeren!"}));
    const MainWindowModel& w = app.frm1;
    EXPECT_EQ(w.lblbild.caption, "Blättern");
    EXPECT_EQ(w.lblbild.backColor, 0x00FFFFu);
    EXPECT_EQ(buttons(), "");
    EXPECT_TRUE(w.cmd5anfang.visible && w.cmd5vor.visible && w.cmd5ende.visible &&
                w.cmd5zurück.visible && w.lblxvony.visible && w.Label5.visible);
    EXPECT_TRUE(w.optk5.visible);
    EXPECT_EQ(w.optk5.caption, "lieber Abfragen...");
    EXPECT_FALSE(w.picantwort.visible || w.piczusatz1.visible || w.piczusatz2.visible);
    EXPECT_EQ(app.store.k(5).pos, 1);
    EXPECT_EQ(w.txtfrage.caption, "a?");
    EXPECT_EQ(w.lblazist[4].caption, " 3");
    EXPECT_EQ(w.lblxvony.caption, " 1 von  3");
    EXPECT_EQ(app.kasten5_beantwortet, 3);
    EXPECT_EQ(answersIn(5), (Texts{"a", "b", "c"}));

    optk5_Click(app);
    EXPECT_EQ(w.lblbild.caption, " Abfrage ");
    EXPECT_TRUE(w.picantwort.visible);
    EXPECT_EQ(buttons(), "A");
    EXPECT_FALSE(w.cmd5vor.visible || w.lblxvony.visible);
    EXPECT_EQ(w.optk5.caption, "lieber Blättern...");
    optk5_Click(app);
    EXPECT_EQ(w.lblbild.caption, " Blättern ");
    EXPECT_EQ(w.lblxvony.caption, "1 von 3");
    EXPECT_EQ(buttons(), "");

    // Choosing box 5 again from browsing queries it, and the mode label says so.
    expectAnswers({Answer::No, Answer::No});
    choose(5);
    EXPECT_EQ(w.lblbild.caption, " Abfrage ");
    EXPECT_EQ(buttons(), "A");
}

TEST_F(StudyTest, WrongAnswerOnTheLastCardOfBox5EndsThePass) {
    fill(5, {"a", "b"});
    expectAnswers({Answer::No, Answer::OK});
    queryBox(5);
    pressRight();
    pressWrong();
    EXPECT_EQ(newMessages().back().substr(0, 41), "Alle Fragen in Kasten 5 sind beantwortet!");
    EXPECT_EQ(answersIn(5), (Texts{"a"}));
    EXPECT_EQ(answersIn(1), (Texts{"b"}));
    EXPECT_EQ(app.store.k(5).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    EXPECT_EQ(app.frm1.lblbild.caption, "Blättern");
    EXPECT_EQ(buttons(), "");
}

}  // namespace
}  // namespace memvalo::test
