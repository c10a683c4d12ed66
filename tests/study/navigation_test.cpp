// Paging box 1 in entry mode and box 5 while browsing, by buttons and page keys.
#include "study/navigation.h"

#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

TEST_F(StudyTest, PagingBox1StoresTheCardAndStopsAtTheStart) {
    fill(1, {"a", "b", "c"});
    mnueingabe_Click(app);
    expectAnswers({Answer::OK, Answer::OK});
    app.frm1.txtfrage.caption = "a geändert?";
    cmdzurück_Click(app);
    EXPECT_EQ(newMessages(), (Texts{"Dateianfang erreicht!"}));
    EXPECT_EQ(platform.messages.back().title, "Rückwartsblättern");
    EXPECT_EQ(app.store.k(1)[1].frage + app.frm1.txtfrage.caption, "a?a geändert?");

    cmdende_Click(app);
    EXPECT_EQ(app.store.k(1)[1].frage + app.frm1.txtfrage.caption, "a geändert?c?");
    app.frm1.txtantwort.caption = "";
    cmdzurück_Click(app);
    EXPECT_EQ(app.store.k(1).pos, 3);
    EXPECT_EQ(platform.messages.back().title, "Unvollständige Eingabe");
    cmdanfang_Click(app);  // only the question is checked
    EXPECT_EQ(app.store.k(1)[3].antwort, "");
    EXPECT_EQ(app.store.k(1).pos, 1);
    EXPECT_EQ(app.frm1.lblxvony.caption, " 1 von  3");
}

// A box 5 whose cards were all answered opens for browsing, which stops quietly at both ends.
TEST_F(StudyTest, AllBox5CardsAnsweredGoesToBrowsing) {
    app.frm1.mnuklang.checked = true;
    fill(5, {"a", "b", "c"});
    app.kasten5_beantwortet = 4;
    expectAnswers({Answer::OK});
    queryBox(5);
    EXPECT_EQ(newMessages(),
              (Texts{"Sie hatten alle Fragen in diesem Kasten beantwortet.\r"
                     "Wenn Sie OK drücken, können Sie nochmals von vorne anfangen\r"
                     "oder aus dem Menü einen anderen Kasten zum Beantworten auswählen\r"
                     "(natürlich nur, wenn auch Karten darin sind ;-) )"}));
    EXPECT_EQ(app.frm1.lblbild.caption + buttons() + app.frm1.lblxvony.caption,
              "Blättern 1 von  3");
    cmd5zurück_Click(app);
    EXPECT_EQ(app.store.k(5).pos, 1);
    cmd5ende_Click(app);
    cmd5vor_Click(app);
    EXPECT_EQ(app.frm1.txtfrage.caption + app.frm1.lblxvony.caption, "c? 3 von  3");
    cmd5anfang_Click(app);
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
    const std::string folder = app.paths.programFolder;
    EXPECT_EQ(Texts(platform.played.end() - 4, platform.played.end()),
              (Texts{folder + "zurück.wav", folder + "endedat.wav", folder + "vor.wav",
                     folder + "anfangdat.wav"}));
}

TEST_F(StudyTest, PageKeysOnlyInEntryModeAndWhileBrowsing) {
    fill(1, {"a", "b"});
    fill(2, {"x", "y"});
    mnueingabe_Click(app);
    UiEvent bildAuf{"frm1", "KeyDown"};
    bildAuf.key = 33;
    frm1_KeyDown(app, bildAuf);
    EXPECT_EQ(app.store.k(1).pos, 1) << "the keys are off until the setting says ja";

    app.settings.blaettern = "ja";
    frm1_KeyDown(app, bildAuf);
    EXPECT_EQ(app.store.k(1).pos, 2);
    UiEvent bildAb{"frm1", "KeyUp"};
    bildAb.key = 34;
    frm1_KeyUp(app, bildAb);
    EXPECT_TRUE(app.frm1.txtfrage.focusRequested);

    expectAnswers({Answer::No});
    mnuzufall_Click(app);
    choose(2);
    bildAb.name = "KeyDown";
    frm1_KeyDown(app, bildAb);
    frm1_KeyDown(app, bildAuf);
    EXPECT_EQ(app.frm1.txtfrage.caption, "x?");
    EXPECT_EQ(answersIn(2), (Texts{"x", "y"}));

    mnukey_Click(app);
    EXPECT_TRUE(app.frm1.mnukey.checked);
}

}  // namespace
}  // namespace memvalo::test
