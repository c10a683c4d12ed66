#include <filesystem>
#include <fstream>

#include "exchange/deck_import_command.h"
#include "exchange/deck_import_window.h"
#include "exchange/deck_module.h"
#include "support/app_fixture.h"
#include "support/deck_files.h"

namespace memvalo::test {
namespace {

class DeckImportWindow : public DataFolderTest {
  protected:
    DeckImportWindow() {
        std::ofstream(app.paths.settingsFile) << "";
        AnkiContent content;
        content.models = {basicModel()};
        content.decks = {"Default", "Tiere"};
        content.notes = {{0, {"Haus", "house <img src=\"haus.jpg\">"}, {{0, 2, 2, 3, 1}}, 0},
                         {0, {"Hund", "dog"}, {{0, 0, 0, 0, 0}}, 1},
                         {0, {"Katze", "cat"}, {{0, 2, 2, 40, 0}}, 1},
                         {0, {"Maus", "mouse"}, {{0, 0, 0, 0, 0}}, 1}};
        content.media = {{"haus.jpg", "BILD"}};
        dir.write("deck.apkg", currentAnkiPackage(content));
        platform.whileDeckImportOpen = [this](DeckImportWindowModel& f) {
            frmfremd_Load(app, f);
            if (steps) steps(f);
        };
    }

    std::function<void(DeckImportWindowModel&)> steps;
};

TEST_F(DeckImportWindow, ShowsWhatWasFoundSavesTheChosenDeckAndOpensIt) {
    std::filesystem::create_directories(dir.file("neu"));
    platform.fileAnswers = {dir.file("deck.apkg"), dir.file("neu/tiere")};
    platform.answers = {Answer::OK};
    Texts shown;
    steps = [&](DeckImportWindowModel& f) {
        const auto choice = [&f] {
            return f.cbowahl.items[static_cast<std::size_t>(f.cbowahl.value)];
        };
        shown.push_back(f.lblformat.caption + " | " + f.lblanzahl.caption + " | " +
                        f.lblkaesten.caption + " | " + choice());
        f.cbowahl.value = 2;
        cbowahl_Click(app, f);
        shown.push_back(f.lblanzahl.caption + " | " + choice());
        EXPECT_EQ(f.lblvorschau.caption,
                  "Die ersten Karten:\r\rFrage: Hund\rAntwort: dog\r\rFrage: Katze\rAntwort: "
                  "cat\r\rFrage: Maus\rAntwort: mouse");
        cmdimport_Click(app, f);
        EXPECT_FALSE(f.me.visible);
    };
    mnufremdimport_Click(app);
    EXPECT_EQ(shown, (Texts{"Format: Anki-Paket | Karten: 4 | Kasten 1: 2   Kasten 2: 0   "
                            "Kasten 3: 1   Kasten 4: 0   Kasten 5: 1 | alle",
                            "Karten: 3 | Tiere"}));
    EXPECT_EQ(platform.openDialogs[0].filter, std::string(kDeckFileFilter));
    EXPECT_EQ(platform.saveDialogs[0].fileName, "deck");
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text,
              "3 Karten importiert, 2 in Kasten 1, 1 in Kasten 5; 0 ohne weiteres Medium");
    EXPECT_EQ(app.setPath, dir.file("neu/tiere.ldt"));
    EXPECT_EQ(app.store.k(1).anz, 2);
    EXPECT_EQ(app.store.k(5)[1].frage, "Katze");
    EXPECT_TRUE(app.frm1.me.caption.ends_with("   Datei: tiere.ldt"));
}

// Choosing for the question the answer's language swaps the two; the preview follows.
TEST_F(DeckImportWindow, LanguageListsSwapWhenBothSidesWouldBeTheSame) {
    dir.write("v.kvtml", kvtmlText({"Deutsch", "Englisch", "Französisch"},
                                   {kvtmlWords({"Haus", "house", "maison"})}));
    platform.fileAnswers = {dir.file("v.kvtml")};
    std::vector<std::pair<int, int>> chosen;
    steps = [&](DeckImportWindowModel& f) {
        EXPECT_EQ(f.cbowahl.items,
                  (std::vector<std::string>{"Deutsch", "Englisch", "Französisch"}));
        chosen.emplace_back(f.cbowahl.value, f.cboantwort.value);
        f.cboantwort.value = 2;
        cboantwort_Click(app, f);
        chosen.emplace_back(f.cbowahl.value, f.cboantwort.value);
        f.cbowahl.value = 2;
        cbowahl_Click(app, f);
        chosen.emplace_back(f.cbowahl.value, f.cboantwort.value);
        EXPECT_EQ(f.lblvorschau.caption, "Die ersten Karten:\r\rFrage: maison\rAntwort: Haus");
        cmdcancel_Click(f);
    };
    mnufremdimport_Click(app);
    EXPECT_EQ(chosen, (std::vector<std::pair<int, int>>{{0, 1}, {0, 2}, {2, 0}}));
}

TEST_F(DeckImportWindow, ARefusedFileIsToldAndNothingIsWritten) {
    dir.write("kaputt.apkg", "kein zip");
    platform.fileAnswers = {dir.file("kaputt.apkg")};
    platform.answers = {Answer::OK};
    steps = [](DeckImportWindowModel&) { ADD_FAILURE() << "window shown"; };
    mnufremdimport_Click(app);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, "Die Datei »" + dir.file("kaputt.apkg") +
                                             "« kann nicht importiert werden: sie ist kein "
                                             "ZIP-Archiv.");
    EXPECT_EQ(platform.messages[0].icon, Icon::Critical);
    EXPECT_TRUE(app.setPath.empty());
}

TEST_F(DeckImportWindow, TheMediaLandBesideTheSetAndItsCardsNameThemRelatively) {
    platform.fileAnswers = {dir.file("deck.apkg"), dir.file("haus.ldt")};
    platform.answers = {Answer::OK};
    steps = [&](DeckImportWindowModel& f) { cmdimport_Click(app, f); };
    mnufremdimport_Click(app);
    EXPECT_EQ(app.store.k(3)[1].medium, "haus-Medien/haus.jpg");
    EXPECT_EQ(dir.read("haus-Medien/haus.jpg"), "BILD");
}

}  // namespace
}  // namespace memvalo::test
