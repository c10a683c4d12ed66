// Changing between entry, query and browsing, and the box menu.
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

TEST_F(StudyTest, EntryModeOpensBox1AtItsFirstCard) {
    fuelle(1, {"a", "b"});
    fuelle(5, {"x"});
    antworte({Answer::No});
    frageKasten(5);
    app.frm1.lbldatum3.caption = "03.01.2026";
    mnueingabe_Click(app);
    const MainWindowModel& w = app.frm1;
    EXPECT_TRUE(w.mnueingabe.checked);
    EXPECT_FALSE(w.mnuzufall.checked || w.mnukk[4].checked || w.mnukk[4].enabled);
    EXPECT_TRUE(w.mnukk[0].enabled && w.mnuazkändern.enabled && w.mnuoptabfrage.visible);
    EXPECT_EQ(w.lblbild.caption, " Eingabe ");
    EXPECT_EQ(w.lblbild.backColor, 0x0000FFu);
    EXPECT_EQ(w.lbldatum3.caption, "");
    EXPECT_EQ(w.txtfrage.caption, "a?");
    EXPECT_FALSE(w.txtfrage.locked || w.picantwort.visible || w.piczusatz1.visible);
    EXPECT_EQ(knoepfe(), "");
    EXPECT_TRUE(w.cmdlöschen.visible && w.cmdvor.visible && w.cmdspiegel.visible);
    EXPECT_EQ(w.cmdspiegel.tooltip, "vertauscht Frage mit Antwort");
    EXPECT_EQ(w.lblxvony.caption, " 1 von  2");
    EXPECT_EQ(w.progress.max, 250);
    EXPECT_EQ(w.progress.value, 2);
}

TEST_F(StudyTest, QueryModeCoversLocksAndAsksForABox) {
    fuelle(1, {"a"});
    fuelle(2, {"b"});
    mnueingabe_Click(app);
    mnuzufall_Click(app);
    const MainWindowModel& w = app.frm1;
    EXPECT_EQ(w.lblbild.caption, " Abfrage ");
    EXPECT_TRUE(w.txtantwort.locked && w.picantwort.visible);
    EXPECT_FALSE(w.cmdvor.visible || w.cmdlöschen.visible || w.mnuazkändern.enabled);
    EXPECT_FALSE(w.mnuoptabfrage.visible || w.st1.visible);
    EXPECT_EQ(w.lblinfo.caption, "Kasten\rauswählen!");
    EXPECT_TRUE(w.lblinfo.visible);
    EXPECT_EQ(knoepfe(), "");
    EXPECT_TRUE(w.mnukk[0].enabled && w.mnukk[1].enabled);
    EXPECT_FALSE(w.mnukk[2].enabled || w.mnukk[2].checked);
}

TEST_F(StudyTest, TheEmptyCardBeingTypedIsNoCard) {
    fuelle(1, {"a"});
    mnueingabe_Click(app);
    app.store.k(1).anz = 2;  // the forward step opened a new card at the end
    app.store.k(1).pos = 2;
    app.frm1.txtfrage.caption = "halb getippt";
    app.frm1.txtantwort.caption = " ";
    mnuzufall_Click(app);
    EXPECT_EQ(namen(1), (std::vector<std::string>{"a"}));
    EXPECT_EQ(app.store.ist[0], 1);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    EXPECT_TRUE(app.frm1.mnukk[0].enabled);
}

TEST_F(StudyTest, AnEmptiedBoxOnScreenNeverEmptiesBox1) {
    fuelle(1, {"a"});
    fuelle(2, {"b"});
    antworte({Answer::No, Answer::OK});
    frageKasten(2);
    richtig();
    mnumoduswahl_Click(app);
    mnuzufall_Click(app);
    mnukastwahl_Click(app);
    EXPECT_EQ(namen(1), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(app.frm1.mnukk[0].enabled);
}

TEST_F(StudyTest, OpeningTheModeMenuKeepsTheCardBeingTyped) {
    fuelle(1, {"a", "b"});
    mnueingabe_Click(app);
    app.store.k(1).pos = 2;
    app.frm1.txtfrage.caption = "neu?";
    app.frm1.txtantwort.caption = "neu";
    mnumoduswahl_Click(app);
    EXPECT_EQ(app.markierung, "speichern");
    EXPECT_EQ(namen(1), (std::vector<std::string>{"a", "neu"}));
    EXPECT_EQ(app.store.k(1).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
}

}  // namespace
}  // namespace memvalo::test
