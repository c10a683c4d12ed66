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
    EXPECT_EQ(covers(app.frm1), "----");
    EXPECT_EQ(buttons(), "RF");
    EXPECT_TRUE(app.frm1.cmdrichtig.focusRequested);
    EXPECT_FALSE(app.frm1.mnudatei.enabled || app.frm1.mnumoduswahl.enabled);

    mnuverdecktoben_Click(app);
    mnuzusatzsichtbar_Click(app);
    mnunureins_Click(app);
    EXPECT_EQ(app.frm1.Label1.caption, "A");
    EXPECT_EQ(app.frm1.Label2.caption, "F");
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
    cmdantwort_Click(app);
    cmdfalsch_Click(app);
    EXPECT_EQ(covers(app.frm1), "-A--");
    EXPECT_EQ(app.frm1.Label1.caption, "F");
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
    EXPECT_EQ(app.frm1.cmdantwort.tag, "0");

    app.frm1.mnuzeigbild.checked = false;
    expectAnswers({Answer::OK});
    cmdfalsch_Click(app);
    fill(2, {"b"});
    app.store.k(2)[1].medium = dir.file("bild.jpg");
    expectAnswers({Answer::No});
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
    EXPECT_EQ(moved.antwort, "neu");
    EXPECT_EQ(moved.zusatz1, "sag ¨hi¨");
    EXPECT_EQ(moved.kasten_am[1].text(), "06.12.2026");
    EXPECT_EQ(app.karte_gespeichert, "nein");

    mnukorrekt_Click(app);
    cmdantwort_Click(app);
    app.frm1.txtantwort.caption = "verworfen";
    expectAnswers({Answer::OK});
    cmdrichtig_Click(app);
    EXPECT_EQ(app.store.k(3)[2].antwort, "b");
}

TEST_F(StudyTest, CorrectionOnTheLastCardOfBox1BeforeTheWrapAndBlankWrongCounts) {
    fill(1, {"a", "b"});
    app.store.k(1)[1].falsch = "";  // counts as zero
    app.store.k(1)[2].falsch = "7x";
    mnukorrekt_Click(app);
    expectAnswers({Answer::No});
    queryBox(1);
    pressWrong();
    cmdantwort_Click(app);
    app.frm1.txtfrage.caption = "b korrigiert?";
    expectAnswers({Answer::OK});
    cmdfalsch_Click(app);
    EXPECT_EQ(app.store.k(1)[2].frage, "b korrigiert?");
    EXPECT_EQ(app.store.k(1)[1].falsch.text(), "1         ");
    EXPECT_EQ(app.store.k(1)[2].falsch.text(), "8         ");
    EXPECT_EQ(app.store.k(1)[2].erstellt.text(), "01.01.2026");
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    EXPECT_EQ(newMessages().back(), "Jetzt gehts von vorne los...");
}

}  // namespace
}  // namespace memvalo::test
