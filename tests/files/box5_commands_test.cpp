#include "files/box5_commands.h"

#include <filesystem>

#include "app/file_events.h"
#include "core/kasten5.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

class Box5Commands : public test::AppTest {
  protected:
    Box5Commands() {
        registerFileEvents(events);
        app.frm1.mnueingabe.checked = false;  // set again by the switch to entry mode
        app.setPath = dir.file("englisch.ldt");
        for (int i = 1; i <= 3; ++i) {
            CardRecord card;
            card.frage = "Frage " + std::to_string(i) + ", mit Komma";
            card.antwort = "Zeile\r\nzwei";
            card.erstellt = "01.01.2026";
            for (int d = 0; d < 4; ++d)
                card.kasten_am[d] = "0" + std::to_string(d + 2) + ".01.2026";
            card.falsch = std::to_string(i);
            card.medium = "/bilder/" + std::to_string(i) + ".jpg";
            app.store.k(5).append(card);
        }
        app.store.ist[4] = 3;
        app.frm1.lblazist[4].caption = "3";
        original = app.store.k(5);
    }

    void click(const std::string& control) {
        UiEvent event{control, "Click"};
        ASSERT_TRUE(events.dispatch(app, event));
    }

    EventTable events;
    Box original;
};

TEST_F(Box5Commands, EmptyingAndReimportingRestoresTheSameCardsInOrder) {
    platform.answers = {Answer::OK, Answer::OK};
    app.kasten5_beantwortet = 7;
    click("mnu5leeren");
    EXPECT_EQ(app.kasten5_beantwortet, 0) << "the next pass starts afresh";
    EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text,
              "Alles klar...: Kasten 5 wurde gesichert und geleert");
    const MainWindowModel& w = app.frm1;
    EXPECT_EQ(std::to_string(app.store.k(5).anz) + w.lblazist[4].caption, "00");
    EXPECT_TRUE(!w.mnukk[4].enabled && !w.cmd5vor.visible && !w.mnu5leeren.enabled);
    EXPECT_TRUE(w.mnu5import.enabled && w.mnueingabe.checked && platform.busyDepth == 0);
    const std::string side = dir.read("englisch_bak1.k06");
    EXPECT_EQ(side.substr(0, side.find("\"Frage 2")),
              " 3 \r\n\"Frage 1, mit Komma\"\r\n\"Zeile\r\nzwei\"\r\n\"\"\r\n\"\"\r\n01.01.2026\r\n"
              "02.01.2026\r\n03.01.2026\r\n04.01.2026\r\n05.01.2026\r\n1\r\n/bilder/1.jpg\r\n");

    platform.fileAnswers = {dir.file("englisch_bak1.k06")};
    app.kasten5_beantwortet = 7;
    click("mnu5import");
    EXPECT_EQ(app.kasten5_beantwortet, 0);
    const FileDialog& open = platform.openDialogs[0];
    EXPECT_EQ(open.title + "|" + open.filter + "|" + open.initialFolder,
              "Lerndatei Kasten 5 importieren|Kasten 5 Import (*.k06)|*.k06|" + dir.path());
    EXPECT_EQ(platform.messages[1].text, "Kasten 5 wurde importiert !");
    ASSERT_EQ(app.store.k(5).anz, 3);
    for (int slot = 1; slot <= 3; ++slot) EXPECT_EQ(app.store.k(5)[slot], original[slot]);
    EXPECT_EQ(std::to_string(app.store.k(5).pos) + w.lblazist[4].caption, "33");
    EXPECT_TRUE(w.mnu5leeren.enabled && !w.mnu5import.enabled && w.mnueingabe.checked);

    platform.answers = {Answer::OK};
    click("mnu5leeren");
    EXPECT_TRUE(std::filesystem::exists(dir.file("englisch_bak2.k06")));
}

TEST_F(Box5Commands, ImportRefusesAFullBoxAForeignFileOnNoAndABrokenFile) {
    platform.answers = {Answer::OK};
    click("mnu5import");
    EXPECT_EQ(platform.messageTexts().back(),
              "Kasten 5 ist nicht leer, daher kann auch nichts importiert werden");
    EXPECT_TRUE(platform.openDialogs.empty());

    app.store.k(5).clear();
    app.frm1.lblazist[4].caption = "0";
    dir.write("deutsch_bak1.k06", " 0 \r\n");
    platform.fileAnswers = {dir.file("deutsch_bak1.k06")};
    platform.answers = {Answer::No};
    click("mnu5import");
    EXPECT_EQ(platform.messages.back().text,
              "Sie versuchen, einen Kasten zu importieren, der\rnicht zu Datei englisch.ldt "
              "passt!\r\rWollen Sie wirklich weitermachen??");
    EXPECT_EQ(platform.messages.back().defaultButton, 2);

    dir.write("englisch_bak3.k06", " 2 \r\n\"nur eine\"\r\n");
    platform.fileAnswers = {dir.file("englisch_bak3.k06"), std::nullopt};
    platform.answers = {Answer::OK};
    click("mnu5import");
    EXPECT_NE(platform.messages.back().text.find("ist kein lesbarer Kasten 5"), std::string::npos);
    click("mnu5import");
    EXPECT_EQ(app.store.k(5).anz, 0);
    EXPECT_FALSE(app.frm1.mnueingabe.checked);
}

TEST_F(Box5Commands, EmptyingRefusesWhenAllTwentyNamesAreTakenOrTheSetHasNoName) {
    for (int n = 1; n <= kSideFiles; ++n)
        dir.write("englisch_bak" + std::to_string(n) + ".k06", "");
    platform.answers = {Answer::OK, Answer::OK};
    click("mnu5leeren");
    EXPECT_NE(platform.messages[0].text.find("englisch_bak20.k06 gibt es alle schon"),
              std::string::npos);
    app.setPath.clear();
    click("mnu5leeren");
    EXPECT_EQ(app.store.k(5).anz, 3);
    EXPECT_TRUE(!app.frm1.mnueingabe.checked && platform.busyDepth == 0);
}

TEST_F(Box5Commands, AnEmptyBox5IsASingleCountLine) {
    app.store.k(5).clear();
    EXPECT_TRUE(kasten5_speichern(app));
    EXPECT_EQ(dir.read("englisch_bak1.k06"), " 0 \r\n");
}

}  // namespace
}  // namespace memvalo
