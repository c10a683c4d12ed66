// Changing between entry, query and browsing, and the box menu.
#include "study/entry.h"
#include "study/navigation.h"
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

TEST_F(StudyTest, EntryModeOpensBox1AtItsFirstCardAndQueryModeOffersOnlyFilledBoxes) {
    fill(1, {"a", "b"});
    fill(5, {"x"});
    expectAnswers({Answer::No});
    queryBox(5);
    app.frm1.lbldatum3.caption = "03.01.2026";
    mnueingabe_Click(app);
    const MainWindowModel& w = app.frm1;
    EXPECT_FALSE(w.mnukk[4].checked || w.mnukk[4].enabled || w.txtfrage.locked);
    EXPECT_EQ(w.txtfrage.caption + w.lbldatum3.caption + w.lblxvony.caption + buttons(),
              "a? 1 von  2");
    EXPECT_EQ(w.progress.value, 2);

    fill(2, {"b"});
    mnuzufall_Click(app);
    EXPECT_TRUE(w.txtantwort.locked && w.picantwort.visible && !w.cmdvor.visible);
    EXPECT_EQ(buttons(), "");
    EXPECT_TRUE(w.mnukk[0].enabled && w.mnukk[1].enabled);
    EXPECT_FALSE(w.mnukk[2].enabled || w.mnukk[2].checked);
}

TEST_F(StudyTest, TheEmptyCardBeingTypedIsNoCard) {
    fill(1, {"a", "b"});
    mnueingabe_Click(app);
    cmdende_Click(app);
    app.frm1.txtantwort.caption = "";
    mnuzufall_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"a", "b"})) << "a stored card stays";

    mnueingabe_Click(app);
    cmdende_Click(app);
    cmdvor_Click(app);  // opens a new card at the end
    app.frm1.txtfrage.caption = "halb getippt";
    mnuzufall_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"a", "b"}));
    EXPECT_EQ(app.store.ist[0], 2);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    EXPECT_TRUE(app.frm1.mnukk[0].enabled);
}

// The card being typed is kept on the way through the mode menu: the first card of a new set
// once the query starts, a card further on as the menu opens.
TEST_F(StudyTest, TheModeMenuKeepsTheCardBeingTyped) {
    mnueingabe_Click(app);
    app.frm1.txtfrage.caption = "erste?";
    app.frm1.txtantwort.caption = "erste";
    mnumoduswahl_Click(app);
    mnuzufall_Click(app);
    expectAnswers({Answer::No});
    choose(1);
    EXPECT_EQ(app.frm1.txtfrage.caption + buttons(), "erste?A");

    mnueingabe_Click(app);
    cmdvor_Click(app);
    app.frm1.txtfrage.caption = "neu?";
    app.frm1.txtantwort.caption = "neu";
    mnumoduswahl_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"erste", "neu"}));
    EXPECT_EQ(app.store.k(1).pos, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption, "erste?");
}

TEST_F(StudyTest, AnEmptiedBoxOnScreenNeverEmptiesBox1) {
    fill(1, {"a"});
    fill(2, {"b"});
    expectAnswers({Answer::No, Answer::OK});
    queryBox(2);
    pressRight();
    mnumoduswahl_Click(app);
    mnuzufall_Click(app);
    mnukastwahl_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"a"}));
    EXPECT_TRUE(app.frm1.mnukk[0].enabled);
}

}  // namespace
}  // namespace memvalo::test
