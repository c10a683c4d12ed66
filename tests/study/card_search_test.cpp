// The card search: finding cards in every box, sorting the hits, listing repeated questions,
// and changing a card where it stands as a change of the set like any other.
#include "study/card_search_window.h"

#include "core/platte_an_speicher.h"
#include "core/speicher_an_platte.h"
#include "files/unsaved_changes.h"
#include "study/card_display.h"
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

using Places = std::vector<std::pair<int, int>>;

class CardSearch : public StudyTest {
  protected:
    CardSearch() {
        fill(1, {"Straße", "Haus"});
        fill(2, {"école", "Baum"});
        fill(3, {"Wasser", "haus ", "Stern"});
        app.store.k(3)[2].frage = " HAUS? ";
        app.store.k(2)[2].falsch = "7";
        app.store.k(3)[1].erstellt = "15.03.2025";
        for (int i = 0; i < 5; ++i)
            app.frm1.txtazsoll[i].caption = std::to_string(app.store.soll[i]);
        showCard(app, 1, 1);
        markSetSaved(app);
        frmsuche_Load(app, f);
    }
    Places shown() const {
        Places places;
        for (int row : f.treffer) {
            const SearchRow& r = f.index.rows()[static_cast<std::size_t>(row)];
            places.emplace_back(r.box, r.position);
        }
        return places;
    }
    void search(const std::string& text) {
        f.txtsuche.caption = text;
        txtsuche_Change(app, f);
    }
    // Chooses the card at `box`, `position` in the list of every card.
    void chooseCard(int box, int position) {
        search("");
        const Places all = shown();
        const auto at = std::find(all.begin(), all.end(), std::pair(box, position));
        ASSERT_NE(at, all.end());
        grdtreffer_Select(app, f, static_cast<int>(at - all.begin()));
    }
    void edit(int box, int position, const Texts& texts) {
        chooseCard(box, position);
        cmdbearbeiten_Click(f);
        for (std::size_t i = 0; i < texts.size(); ++i) f.txtfeld[i]->caption = texts[i];
        cmdübernehmen_Click(app, f);
    }

    CardSearchWindowModel f;
};

TEST_F(CardSearch, FindsEveryWordInAnyTextOfTheChosenBoxes) {
    const struct {
        const char* text;
        BoxChoice boxes;
        Places places;
    } cases[] = {
        {"strasse", kAllBoxes, {{1, 1}}},
        {"ECOLE", kAllBoxes, {{2, 1}}},
        {"haus", kAllBoxes, {{1, 2}, {3, 2}}},
        {"haus", {false, false, true, false, false}, {{3, 2}}},
        {"wasser-z2", kAllBoxes, {{3, 1}}},
        {"baum z1", kAllBoxes, {{2, 2}}},
        {"baum stern", kAllBoxes, {}},
        {"  ", {true, false, false, false, false}, {{1, 1}, {1, 2}}},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 5; ++i) f.chkkasten[i].checked = c.boxes[static_cast<std::size_t>(i)];
        search(c.text);
        EXPECT_EQ(shown(), c.places) << c.text;
    }
    search("haus");
    EXPECT_EQ(f.lbltreffer.caption, "1 Karte gefunden");
    search("nichts");
    EXPECT_EQ(f.lbltreffer.caption, "Keine Karte gefunden");
    EXPECT_FALSE(f.cmdbearbeiten.enabled || f.cmdlöschen.enabled || f.cmdkasten1.enabled);
}

TEST_F(CardSearch, SortsByEachKindOfColumnAndBackOnASecondClick) {
    const struct {
        int column;
        int clicks;
        Places places;
    } cases[] = {
        {4, 1, {{1, 1}, {1, 2}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 2}}},  // Falsch 0 .. 7
        {4, 2, {{2, 2}, {1, 1}, {1, 2}, {2, 1}, {3, 1}, {3, 2}, {3, 3}}},
        {2, 1, {{2, 2}, {2, 1}, {1, 2}, {3, 2}, {3, 3}, {1, 1}, {3, 1}}},  // Frage, any case
        {5, 1, {{3, 1}, {1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 2}, {3, 3}}},  // 2025 before 2026
    };
    for (const auto& c : cases) {
        f.sortSpalte = -1;
        for (int i = 0; i < c.clicks; ++i) grdtreffer_HeaderClick(app, f, c.column);
        EXPECT_EQ(shown(), c.places) << "column " << c.column << " clicked " << c.clicks;
    }
}

TEST_F(CardSearch, ListsRepeatedQuestionsInGroups) {
    fill(5, {"Baum", "Wasser"});
    app.store.k(5)[2].frage = "wasser?\r\n";
    f.index = CardIndex(app.store);
    cmddoppelt_Click(app, f);
    EXPECT_EQ(shown(), (Places{{1, 2}, {3, 2}, {2, 2}, {5, 1}, {3, 1}, {5, 2}}));
    EXPECT_EQ(f.gruppe, (std::vector<int>{0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(f.lbltreffer.caption, "6 Karten mit gleicher Frage in 3 Gruppen");
    f.chkkasten[4].checked = false;
    chkkasten_Click(app, f, 4);
    EXPECT_EQ(shown(), (Places{{1, 2}, {3, 2}}));
    f.chkkasten[2].checked = false;
    chkkasten_Click(app, f, 2);
    EXPECT_EQ(f.lbltreffer.caption, "Keine doppelten Fragen");
}

// Edited in box 3, saved and opened again: the same place, the same dates and count.
TEST_F(CardSearch, EditingKeepsPlaceDatesAndCountAcrossSaveAndReopen) {
    expectAnswers({Answer::No});
    queryBox(2);
    pressWrong();
    ASSERT_TRUE(app.study.lastAnswer);
    markSetSaved(app);
    const CardRecord before = app.store.k(3)[3];
    edit(3, 3, {"  Stern \"hell\"", "star", "", "z2"});
    const CardRecord& after = app.store.k(3)[3];
    EXPECT_EQ(after.frage, "Stern \xC2\xA8hell\xC2\xA8");
    EXPECT_EQ(std::tie(after.erstellt, after.kasten_am, after.falsch, after.medium),
              std::tie(before.erstellt, before.kasten_am, before.falsch, before.medium));
    EXPECT_EQ(app.store.k(3).anz, 3);
    EXPECT_FALSE(app.study.lastAnswer) << "a change ends the pending take-back";
    EXPECT_TRUE(hasUnsavedChanges(app));
    EXPECT_EQ(f.chosenPlace().box, 3);
    EXPECT_FALSE(f.editing());

    app.setPath = dir.file("satz.ldt");
    ASSERT_TRUE(speicher_an_platte(app));
    ScriptedPlatform p2;
    App reopened(p2);
    reopened.setPath = app.setPath;
    ASSERT_EQ(platte_an_speicher(reopened), LoadResult::Loaded);
    EXPECT_TRUE(reopened.store.k(3)[3] == after);
}

TEST_F(CardSearch, AnEditNeedsQuestionAndAnswerAndCanBeDropped) {
    const CardRecord before = app.store.k(2)[1];
    expectAnswers({Answer::OK});
    edit(2, 1, {"neu", " "});
    EXPECT_EQ(newMessages().size(), 1u);
    EXPECT_TRUE(f.editing());
    platform.fileAnswers.push_back(std::nullopt);
    cmdbild_Click(app, f);  // the file dialog is cancelled: the medium stays
    cmdbildweg_Click(app, f);
    cmdverwerfen_Click(app, f);
    EXPECT_TRUE(app.store.k(2)[1] == before);
    EXPECT_EQ(f.txtfeld[0]->caption, before.frage);
    EXPECT_FALSE(hasUnsavedChanges(app));

    // Closing during an edit asks: Cancel stays, No drops it, Yes takes it over.
    for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        f.me.visible = true;
        cmdbearbeiten_Click(f);
        f.txtfeld[1]->caption = "neu";
        expectAnswers({answer});
        cmdschließen_Click(app, f);
        EXPECT_EQ(f.me.visible, answer == Answer::Cancel);
        if (answer == Answer::Cancel) cmdverwerfen_Click(app, f);
        EXPECT_EQ(app.store.k(2)[1].antwort, answer == Answer::Yes ? "neu" : before.antwort);
    }
}

// The main window asks box 2; the card it shows is edited, then deleted in the search.
TEST_F(CardSearch, TheMainWindowFollowsEditAndDeletion) {
    expectAnswers({Answer::No});
    queryBox(2);
    const int pos = app.store.k(2).pos;
    edit(2, pos, {"Frage neu", "Antwort neu"});
    EXPECT_EQ(app.frm1.txtfrage.caption, "Frage neu");

    expectAnswers({Answer::Cancel, Answer::OK});
    cmdlöschen_Click(app, f);
    EXPECT_EQ(app.store.k(2).anz, 2);
    cmdlöschen_Click(app, f);
    EXPECT_EQ(app.store.k(2).anz, 1);
    EXPECT_EQ(app.frm1.lblazist[1].caption, " 1");
    EXPECT_EQ(app.frm1.txtfrage.caption, app.store.k(2)[app.store.k(2).pos].frage);
    EXPECT_TRUE(hasUnsavedChanges(app));
}

TEST_F(CardSearch, BackToBox1GoesToItsEndUncountedUnlessBox1IsFull) {
    chooseCard(1, 1);
    EXPECT_FALSE(f.cmdkasten1.enabled) << "a box-1 card is there already";
    chooseCard(2, 2);
    cmdkasten1_Click(app, f);
    EXPECT_EQ(answersIn(1), (Texts{"Straße", "Haus", "Baum"}));
    EXPECT_EQ(answersIn(2), Texts{"école"});
    EXPECT_EQ(app.store.k(1)[3].falsch.text(), "7         ");
    EXPECT_EQ(app.frm1.lblazist[0].caption, " 3");
    EXPECT_EQ(std::pair(f.chosenPlace().box, f.chosenPlace().position), std::pair(1, 3));

    app.store.soll[0] = 3;
    chooseCard(3, 1);
    expectAnswers({Answer::OK});
    cmdkasten1_Click(app, f);
    EXPECT_EQ(newMessages(), (Texts{"Kasten 1 ist voll.\rBitte erst wieder einige Fragen aus "
                                    "dem Kasten 1 beantworten."}));
    EXPECT_EQ(app.store.k(3).anz, 3);
}

}  // namespace
}  // namespace memvalo::test
