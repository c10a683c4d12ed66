// Typing, storing, deleting and mirroring cards in entry mode.
#include "study/entry.h"

#include "app/study_events.h"
#include "study/card_display.h"
#include "study/media.h"
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

const std::string kIncomplete = "Nicht so faul sein ;-))\rMindestens Frage und Antwort eingeben !";

class EntryTest : public StudyTest {
  protected:
    void typeCard(const std::string& frage, const std::string& antwort) {
        app.frm1.txtfrage.caption = frage;
        app.frm1.txtantwort.caption = antwort;
    }
    // Question, answer and extras on screen, and the medium.
    Texts shown() const {
        const MainWindowModel& w = app.frm1;
        return {w.txtfrage.caption, w.txtantwort.caption, w.txtzusatz1.caption,
                w.txtzusatz2.caption, app.medienverweis};
    }
};

TEST_F(EntryTest, TypingUntilBox1IsFullKeepsTheLastTypedCard) {
    app.store.soll[0] = 20;
    mnueingabe_Click(app);
    for (int i = 1; i <= 19; ++i) {
        typeCard(" f" + std::to_string(i) + "? ", "a" + std::to_string(i));
        cmdvor_Click(app);
    }
    const Box& k1 = app.store.k(1);
    EXPECT_EQ(k1.anz, 20);
    EXPECT_EQ(k1[19].frage + k1[19].erstellt.text(), "f19?06.12.2026");
    EXPECT_EQ(app.frm1.txtfrage.caption + app.frm1.lbldatum0.caption + app.frm1.lblxvony.caption,
              "06.12.2026 20 von  20");
    EXPECT_EQ(app.karte_gespeichert, "nein");

    typeCard("f20?", "a20");
    expectAnswers({Answer::OK});
    cmdvor_Click(app);
    EXPECT_EQ(platform.messages.back().text,
              "Der Karteikasten Nr. 1 ist voll. Speichern Sie erst ab und\r"
              "beantworten Sie dann einige Fragen richtig, damit wieder Platz wird.\r\r"
              "Hinweis (obwohl Sie's schon wissen):\r"
              "Die richtig beantworteten Fragen kommen in den nachstgrößeren Karteikasten.\r\r"
              "Sie können auch über das Menü 'EINSTELLUNGEN' die zulässige Kartenanzahl "
              "erhöhen.\r\rGutes Gelingen !");
    EXPECT_EQ(platform.messages.back().title, "Dateneingabe");
    EXPECT_EQ(app.frm1.txtfrage.caption, "f20?");
    EXPECT_EQ(k1.anz, 20);
    EXPECT_EQ(k1[20].frage, "");
}

TEST_F(EntryTest, IncompleteCardsAreNotStored) {
    fill(1, {"a", "b", "c"});
    mnueingabe_Click(app);
    typeCard("a?", "  ");
    expectAnswers({Answer::OK, Answer::OK});
    cmdvor_Click(app);
    EXPECT_EQ(app.store.k(1).pos, 1);
    EXPECT_EQ(app.store.k(1)[1].antwort, "a");
    EXPECT_TRUE(app.frm1.txtfrage.focusRequested);
    app.store.k(1).pos = 3;
    typeCard("", "x");
    cmdvor_Click(app);
    EXPECT_EQ(newMessages(), (Texts{kIncomplete, kIncomplete}));
    EXPECT_EQ(app.store.k(1).anz, 3);
}

TEST_F(EntryTest, DeletingInsideAtTheEndAndTheOnlyCard) {
    fill(1, {"a", "b", "c", "d"});
    mnueingabe_Click(app);
    app.store.k(1).pos = 2;
    expectAnswers({Answer::Cancel, Answer::OK});
    cmdlöschen_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"a", "b", "c", "d"}));
    cmdlöschen_Click(app);
    EXPECT_EQ(platform.messages.back().buttons, Buttons::OKCancel);
    EXPECT_EQ(platform.messages.back().defaultButton, 2);
    EXPECT_EQ(answersIn(1), (Texts{"a", "c", "d"}));
    EXPECT_EQ(app.frm1.txtfrage.caption + app.schritt_gespeichert, "c?nein");

    app.store.k(1).pos = 3;
    expectAnswers({Answer::OK, Answer::OK, Answer::OK, Answer::Cancel});
    cmdlöschen_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"a", "c"}));
    EXPECT_EQ(app.store.k(1).pos, 2);
    EXPECT_EQ(app.frm1.txtfrage.caption, "c?");
    cmdlöschen_Click(app);
    cmdlöschen_Click(app);
    EXPECT_EQ(app.store.k(1).anz, 1);
    EXPECT_EQ(app.frm1.txtfrage.caption + app.frm1.lbldatum0.caption, "06.12.2026");
    // The blank card left is gone even when its delete is cancelled.
    cmdlöschen_Click(app);
    EXPECT_EQ(std::pair(app.store.k(1).anz, app.store.k(1).pos), std::pair(0, 0));
    EXPECT_EQ(app.frm1.lblxvony.caption, " 0 von  0");
    cmdlöschen_Click(app);  // an empty box asks nothing
    typeCard("neu?", "neu");
    cmdvor_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"neu", ""}));
    EXPECT_EQ(app.store.k(1).pos, 2);
}

TEST_F(EntryTest, ChoosingEntryAgainKeepsTypedCardsAndNoBlankOne) {
    mnueingabe_Click(app);
    typeCard("einzig?", "einzig");
    mnumoduswahl_Click(app);
    mnueingabe_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"einzig"})) << "the only card typed is kept";
    cmdvor_Click(app);
    typeCard("frage ohne antwort?", "");
    mnumoduswahl_Click(app);
    mnueingabe_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"einzig"})) << "the blank card behind it is dropped";
    EXPECT_EQ(app.frm1.txtantwort.caption, "einzig");
    expectAnswers({Answer::No, Answer::OK});
    queryBox(1);
    pressRight();
    EXPECT_EQ(answersIn(2), (Texts{"einzig"}));
    EXPECT_EQ(app.store.k(1).anz, 0);
}

TEST_F(EntryTest, MirrorAtTheEndStoresTheCardAndOpensItsTwin) {
    mnueingabe_Click(app);
    expectAnswers({Answer::OK});
    cmdspiegel_Click(app);
    EXPECT_EQ(newMessages(), (Texts{"Frage und Antwortfeld dürfen nicht leer sein!"}));
    typeCard("A", "B");
    app.frm1.txtzusatz1.caption = "x";
    app.frm1.txtzusatz2.caption = "y";
    app.medienverweis = "/bilder/hund.jpg";
    cmdspiegel_Click(app);
    const CardRecord stored = app.store.k(1)[1];
    EXPECT_EQ((Texts{stored.frage, stored.antwort, stored.zusatz1, stored.zusatz2, stored.medium}),
              (Texts{"A", "B", "x", "y", "/bilder/hund.jpg"}));
    EXPECT_EQ(shown(), (Texts{"B", "A", "x", "y", "/bilder/hund.jpg"}));
    EXPECT_FALSE(app.frm1.cmdspiegel.visible);
    EXPECT_EQ(std::pair(app.store.k(1).pos, app.store.k(1).anz), std::pair(2, 2));
    txtantwort_LostFocus(app);
    EXPECT_TRUE(app.frm1.cmdspiegel.visible);
}

TEST_F(EntryTest, MirrorInsideTheBoxAddsTheTwinAtTheEnd) {
    fill(1, {"a", "b"});
    mnueingabe_Click(app);
    typeCard("a korrigiert?", "a");
    cmdspiegel_Click(app);
    EXPECT_EQ(answersIn(1), (Texts{"a", "b", ""}));
    EXPECT_EQ(app.store.k(1)[1].frage, "a korrigiert?");
    EXPECT_EQ(app.store.k(1).pos, 3);
    EXPECT_EQ(shown()[0] + "|" + shown()[1], "a|a korrigiert?");

    app.store.soll[0] = 3;
    app.store.k(1).pos = 1;
    showCard(app, 1, 1);
    expectAnswers({Answer::OK});
    cmdspiegel_Click(app);
    EXPECT_EQ(platform.messages.back().title, "Dateneingabe");
    EXPECT_EQ(app.frm1.txtfrage.caption, "a korrigiert?") << "a full box swaps nothing";
    EXPECT_EQ(app.store.k(1).anz, 3);
}

TEST_F(EntryTest, PicturesAndSoundsAreAssignedAndRemoved) {
    fill(2, {"a"});
    mnueingabe_Click(app);
    platform.fileAnswers = {std::string("/daten/bilder/hund.jpg"), std::nullopt};
    mnubt_Click(app);
    EXPECT_EQ(platform.openDialogs.back().title, "Bild oder Klang auswählen");
    EXPECT_EQ(app.settings.mediaPfad, "/daten/bilder/");
    bildbox_MouseDown(app, 1);
    EXPECT_EQ(app.medienverweis, "/daten/bilder/hund.jpg");
    EXPECT_EQ(platform.openDialogs.back().initialFolder, "/daten/bilder/");

    expectAnswers({Answer::No, Answer::Yes});
    queryBox(2);
    platform.fileAnswers.push_back(std::string("/daten/ton.wav"));
    bildbox_MouseDown(app, 1);
    EXPECT_EQ(app.store.k(2)[1].medium, "/daten/ton.wav");
    bildbox_MouseDown(app, 2);
    EXPECT_EQ(app.store.k(2)[1].medium, "");
    EXPECT_EQ(platform.messages.back().buttons, Buttons::YesNoCancel);
}

TEST_F(EntryTest, PictureOptionsAndRealQuotationMarks) {
    MainWindowModel& w = app.frm1;
    mnueingabe_Click(app);
    mnunixbild_Click(app);
    EXPECT_FALSE(!w.mnunixbild.checked || w.mnuzeigbild.enabled || w.bildbox.visible);
    mnunixbild_Click(app);
    mnuzeigbild_Click(app);
    EXPECT_TRUE(w.mnuzeigbild.enabled && w.mnuzeigbild.checked);

    w.txtfrage.caption = "sag ¨hallo¨";
    mnuazersetzen_Click(app);
    EXPECT_EQ(w.txtfrage.caption, "sag \"hallo\"");
    for (const auto& [typed, kept] : {std::pair{"zwei ", "zwei "}, {"zwei ¨", "zwei \""}}) {
        w.txtantwort.caption = typed;
        textChanged(app, 1);
        EXPECT_EQ(w.txtantwort.caption, kept) << "a blank being typed stays";
    }
    cmdvor_Click(app);
    EXPECT_EQ(app.store.k(1)[1].frage, "sag ¨hallo¨");
    EXPECT_EQ(platform.busyDepth, 0);

    // Cards the program puts into the fields are shown converted too, as the window runs
    // its events.
    EventTable events;
    registerStudyEvents(events);
    const auto click = [&](const char* control) {
        UiEvent event{control, "Click"};
        events.run(app, w.controls(), event);
    };
    typeCard("¨x¨", "y");
    click("cmdanfang");
    EXPECT_EQ(w.txtfrage.caption, "sag \"hallo\"");
    click("cmdende");
    EXPECT_EQ(w.txtfrage.caption, "\"x\"");
    EXPECT_EQ(app.store.k(1)[2].frage, "¨x¨");
}

}  // namespace
}  // namespace memvalo::test
