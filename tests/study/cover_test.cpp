// Which fields a query covers, the reveal, and corrections typed during a query.
#include "study/cover.h"
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

// The visible covers, in the order question, answer, extra 1, extra 2.
std::string covers(const MainWindowModel& w) {
    return std::string(w.picfrage.visible ? "F" : "-") + (w.picantwort.visible ? "A" : "-") +
           (w.piczusatz1.visible ? "1" : "-") + (w.piczusatz2.visible ? "2" : "-");
}

TEST_F(StudyTest, CoverAndExtraFieldModes) {
    fill(2, {"a", "b", "c"});
    expectAnswers({Answer::No});
    queryBox(2);
    EXPECT_EQ(covers(app.frm1), "-A12");
    cmdantwort_Click(app);
    EXPECT_EQ(covers(app.frm1) + buttons(), "----RF");
    EXPECT_FALSE(app.frm1.mnudatei.enabled || app.frm1.mnumoduswahl.enabled);

    mnuverdecktoben_Click(app);
    mnuzusatzsichtbar_Click(app);
    mnunureins_Click(app);
    EXPECT_EQ(app.frm1.Label1.caption + app.frm1.Label2.caption, "AF");
    EXPECT_EQ(covers(app.frm1), "----") << "the card on screen keeps its covers";
    cmdrichtig_Click(app);
    EXPECT_EQ(covers(app.frm1), "F--2");
    EXPECT_TRUE(app.frm1.mnudatei.enabled && app.frm1.mnukastwahl.enabled);

    mnuzusatzsichtbar_Click(app);
    EXPECT_EQ(app.settings.zusatzmodus, 0) << "nur eins stays checked, but nothing is visible";
    EXPECT_TRUE(app.frm1.mnunureins.checked);
    mnunureins_Click(app);
    mnunureins_Click(app);
    EXPECT_EQ(app.settings.zusatzmodus, 2);
    mnuzusatzsichtbar_Click(app);
    mnunureins_Click(app);
    EXPECT_EQ(app.settings.zusatzmodus, 1);
    mnuverdecktunten_Click(app);
    pressWrong();
    EXPECT_EQ(covers(app.frm1) + app.frm1.Label1.caption, "-A--F");
}

TEST_F(StudyTest, RevealShowsThePictureOnlyOnceWhenItCameWithTheQuestion) {
    fill(2, {"a"});
    dir.write("bild.jpg", "x");
    app.store.k(2)[1].medium = dir.file("bild.jpg");
    app.frm1.mnuzeigbild.checked = true;
    expectAnswers({Answer::No});
    queryBox(2);
    EXPECT_TRUE(app.frm1.bildbox.visible);
    app.frm1.bildbox.visible = false;
    cmdantwort_Click(app);
    EXPECT_FALSE(app.frm1.bildbox.visible);

    app.frm1.mnuzeigbild.checked = false;
    expectAnswers({Answer::OK, Answer::No});
    cmdfalsch_Click(app);
    fill(2, {"b"});
    app.store.k(2)[1].medium = dir.file("bild.jpg");
    choose(2);
    cmdantwort_Click(app);
    EXPECT_TRUE(app.frm1.bildbox.visible);
}

TEST_F(StudyTest, CorrectionsAreStoredIntoTheAnsweredCard) {
    fill(2, {"a", "b"});
    mnukorrekt_Click(app);
    expectAnswers({Answer::No});
    queryBox(2);
    EXPECT_FALSE(app.frm1.txtantwort.locked);
    cmdantwort_Click(app);
    app.frm1.txtantwort.caption = "  neu  ";
    app.frm1.txtzusatz1.caption = "sag \"hi\"";
    cmdrichtig_Click(app);
    const CardRecord& moved = app.store.k(3)[1];
    EXPECT_EQ(
        (Texts{moved.antwort, moved.zusatz1, moved.kasten_am[1].text(), app.karte_gespeichert}),
        (Texts{"neu", "sag ¨hi¨", "06.12.2026", "nein"}));

    mnukorrekt_Click(app);
    cmdantwort_Click(app);
    app.frm1.txtantwort.caption = "verworfen";
    expectAnswers({Answer::OK});
    cmdrichtig_Click(app);
    EXPECT_EQ(app.store.k(3)[2].antwort, "b");
}

// Box 1 walks forward and wraps after its last card; a correction typed on that card and
// blank or odd wrong counts are kept.
TEST_F(StudyTest, CorrectionOnTheLastCardOfBox1BeforeTheWrapAndBlankWrongCounts) {
    fill(1, {"a", "b", "c"});
    app.store.k(1)[1].falsch = "";  // counts as zero
    app.store.k(1)[3].falsch = "7x";
    mnukorrekt_Click(app);
    expectAnswers({Answer::No});
    queryBox(1);
    pressWrong();
    EXPECT_EQ(app.frm1.txtfrage.caption + app.frm1.lblxvony.caption, "b? 2 von  3");
    pressWrong();
    cmdantwort_Click(app);
    app.frm1.txtfrage.caption = "c korrigiert?";
    expectAnswers({Answer::OK});
    cmdfalsch_Click(app);
    EXPECT_EQ(newMessages(),
              (Texts{"Datensatz im Kasten 1 mischen?", "Jetzt gehts von vorne los..."}));
    EXPECT_EQ(platform.messages.back().title, "Alle abgefragt");
    const Box& k1 = app.store.k(1);
    EXPECT_EQ((Texts{k1[3].frage, k1[1].falsch.text(), k1[2].falsch.text(), k1[3].falsch.text(),
                     k1[3].erstellt.text()}),
              (Texts{"c korrigiert?", "1         ", "1         ", "8         ", "01.01.2026"}));
    EXPECT_EQ(app.frm1.txtfrage.caption + buttons() + progressText(), "a?A 3 von  250");
    EXPECT_EQ(k1.pos, 1);
}

}  // namespace
}  // namespace memvalo::test
