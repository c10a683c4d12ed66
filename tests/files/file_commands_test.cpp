#include <filesystem>
#include <fstream>

#include "app/exit_command.h"
#include "files/file_menu.h"
#include "files/history_menu.h"
#include "files/new_set.h"
#include "files/open_set.h"
#include "files/save_commands.h"
#include "settings/settings_file.h"
#include "study/box_choice.h"
#include "study/cover.h"
#include "study/entry.h"
#include "study/modes.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

class FileCommandsTest : public DataFolderTest {
  protected:
    // The settings file is read again on every open; without one the first-start message
    // would come in between.
    FileCommandsTest() { std::ofstream(app.paths.settingsFile) << ""; }
    void openSet(const std::string& name, const std::vector<std::vector<CardRecord>>& boxes) {
        writeSet(dir.file(name), boxes);
        platform.fileAnswers = {dir.file(name)};
        mnudatöffnen_Click(app);
    }
    void type(const std::string& frage, const std::string& antwort) {
        app.frm1.txtfrage.caption = frage;
        app.frm1.txtantwort.caption = antwort;
    }
    // A new set with three cards typed, the last one still on screen.
    void newSetWithThreeCards() {
        mnudatneu_Click(app);
        for (const auto& [frage, antwort] : {std::pair{"eins", "one"}, {"zwei", "two"}}) {
            type(frage, antwort);
            cmdvor_Click(app);
        }
        type("drei", "three");
    }
    Texts questionsInMemory(int box) const {
        Texts questions;
        for (int slot = 1; slot <= app.store.k(box).anz; ++slot) {
            questions.push_back(app.store.k(box)[slot].frage);
        }
        return questions;
    }
    const Texts kThree = {"eins", "zwei", "drei"};
};

TEST_F(FileCommandsTest, ANewSetTypedAndSavedOpensWithTheSameCards) {
    newSetWithThreeCards();
    EXPECT_TRUE(app.frm1.me.caption.ends_with("   Neuanlage"));
    // Its key reaches the save of the unnamed set; the opened File menu greys the entry.
    EXPECT_TRUE(app.frm1.mnudatspeichern.enabled);
    mnudatei_Click(app);
    EXPECT_FALSE(app.frm1.mnudatspeichern.enabled);

    platform.fileAnswers = {dir.file("vokabeln")};  // ".ldt" is added
    mnudatspeichern_Click(app);
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    const FileDialog& save = platform.saveDialogs[0];
    // The suffix is added before the overwrite check; without a history the documents folder.
    EXPECT_EQ(save.filter + "|" + save.defaultSuffix + "|" + save.initialFolder,
              "Lerndatei (*.ldt)|*.ldt|ldt|" + platform.documents);
    EXPECT_TRUE(save.overwritePrompt);
    EXPECT_EQ(app.setPath, dir.file("vokabeln.ldt"));
    EXPECT_EQ(questionsOnDisk(app.setPath, 1), kThree);
    EXPECT_TRUE(app.frm1.me.caption.ends_with("   Datei: vokabeln.ldt"));
    EXPECT_EQ(app.files.verlauf.entry(1), app.setPath);

    mnudatneu_Click(app);  // nothing changed since the save: no question
    EXPECT_TRUE(app.setPath.empty());
    platform.fileAnswers = {dir.file("vokabeln.ldt")};
    mnudatöffnen_Click(app);
    EXPECT_EQ(platform.openDialogs.back().title, "Lerndatei öffnen");
    EXPECT_EQ(questionsInMemory(1), kThree);
    EXPECT_EQ(app.frm1.txtfrage.caption, "eins");
    EXPECT_FALSE(app.frm1.mnudatöffnen.enabled);
}

TEST_F(FileCommandsTest, SaveAsWritesANewSetAndLeavesTheOldOne) {
    openSet("alt.ldt", {{card("Haus", "house")}, {card("Baum", "tree")}});
    platform.fileAnswers = {dir.file("neu.ldt")};
    type("Hund", "dog");
    mnudatspeiunter_Click(app);
    EXPECT_EQ(platform.saveDialogs.back().title, "Lerndatei unter neuem Namen speichern");
    EXPECT_EQ(questionsOnDisk(dir.file("neu.ldt"), 1), Texts{"Hund"});
    EXPECT_EQ(questionsOnDisk(dir.file("neu.ldt"), 2), Texts{"Baum"});
    EXPECT_EQ(questionsOnDisk(dir.file("alt.ldt"), 1), Texts{"Haus"});
    EXPECT_TRUE(app.frm1.mnudatöffnen.enabled);
}

TEST_F(FileCommandsTest, EmptyCardsAreNotSavedWithEitherSpellingOfTheTitle) {
    newSetWithThreeCards();
    cmdvor_Click(app);  // a fresh empty card behind the third
    platform.answers = {Answer::OK, Answer::OK};
    mnudatspeichern_Click(app);
    mnudatspeiunter_Click(app);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text,
              "Bitte diesen Datensatz noch ausfüllen oder\rden Lösch-Button drücken");
    EXPECT_EQ(platform.messages[0].title + "|" + platform.messages[1].title,
              "Leere Datensatze nicht speichern|Leere Datensätze nicht speichern");
    EXPECT_TRUE(platform.saveDialogs.empty());

    // The exit question's Yes refuses it too, with its longer text, and the exit stops.
    platform.answers = {Answer::Yes, Answer::OK};
    EXPECT_FALSE(mnuende_Click(app));
    EXPECT_EQ(platform.messages.back().title, "Leere Datensätze nicht speichern");
    EXPECT_TRUE(
        platform.messages.back().text.ends_with("(programmbedingte Vorgehensweise...sorry)"));
}

TEST_F(FileCommandsTest, TheExitQuestionInEveryCase) {
    openSet("s.ldt", {{card("Haus", "house")}});

    // Freshly opened: both flags say unsaved, so leaving asks. Cancel keeps the program.
    platform.answers = {Answer::Cancel};
    EXPECT_FALSE(mnuende_Click(app));
    EXPECT_EQ(platform.messages.back().title, "Warnung !");
    EXPECT_EQ(platform.messages.back().buttons, Buttons::YesNoCancel);

    // No, then Cancel at the last warning: still running.
    platform.answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(mnuende_Click(app));
    EXPECT_EQ(platform.messages.back().text, "Sind Sie wirklich sicher ???");

    // Yes saves first and ends, the colour fade before the windows close.
    type("Haus", "a house");
    platform.answers = {Answer::Yes};
    int unloadsBeforeFade = -1;
    platform.whileOpen = [&](const std::string&) {
        unloadsBeforeFade = platform.unloads;
        EXPECT_TRUE(app.frm1.picende.visible);
    };
    EXPECT_TRUE(mnuende_Click(app));
    EXPECT_EQ(platform.windows, Texts{"closingfade"});
    EXPECT_EQ(unloadsBeforeFade, 0);
    EXPECT_EQ(platform.unloads, 1);
    EXPECT_EQ(questionsOnDisk(dir.file("s.ldt"), 1), Texts{"Haus"});
    EXPECT_EQ(app.store.k(1).anz, 0);  // the boxes are emptied at the end

    // Saved and unchanged: nothing to ask.
    App second(platform);
    second.paths = app.paths;
    EXPECT_TRUE(mnuende_Click(second));
}

TEST_F(FileCommandsTest, AnUnnamedSetEndsOnlyUnsavedOnNoOrSavedUnderAName) {
    newSetWithThreeCards();
    // Yes, but the save dialog closed without a name: the exit is cancelled.
    platform.answers = {Answer::Yes};
    platform.fileAnswers = {std::nullopt};
    EXPECT_FALSE(mnuende_Click(app));
    EXPECT_EQ(platform.saveDialogs.back().title, "Lerndatei  speichern");
    EXPECT_EQ(platform.unloads, 0);
    EXPECT_EQ(questionsInMemory(1), kThree);

    platform.answers = {Answer::No, Answer::OK};  // No and the last warning's OK
    EXPECT_TRUE(mnuende_Click(app));
    EXPECT_EQ(platform.unloads, 1);
}

TEST_F(FileCommandsTest, TheExitQuestionCatchesChangesTheFlagsMiss) {
    openSet("s.ldt", {{}, {}, {}, {}, {card("Gelernt", "learnt")}});
    mnudatspeichern_Click(app);
    EXPECT_EQ(app.store.k(1).anz, 0);  // nothing typed: box 1 stays empty
    ASSERT_EQ(app.karte_gespeichert, "ja");
    app.store.k(5).clear();  // box 5 emptied by hand: no flag records it
    app.store.ist[4] = 0;
    platform.answers = {Answer::Cancel};
    EXPECT_FALSE(mnuende_Click(app));
    EXPECT_EQ(platform.messages.back().title, "Warnung !");
}

TEST_F(FileCommandsTest, OpeningAnotherSetOffersToSaveUnsavedChanges) {
    writeSet(dir.file("b.ldt"), {{card("B", "b")}});
    openSet("a.ldt", {{card("A", "a")}});
    app.frm1.mnudatöffnen.enabled = true;
    type("A geändert", "a");

    platform.answers = {Answer::Cancel};  // from the menu: Cancel keeps the open set
    mnudatöffnen_Click(app);
    EXPECT_EQ(app.setPath, dir.file("a.ldt"));
    EXPECT_EQ(platform.openDialogs.size(), 1u);

    app.setPath = dir.file("a.ldt");
    verlauf_aktualisieren(app);
    app.setPath = dir.file("b.ldt");
    verlauf_aktualisieren(app);
    app.setPath = dir.file("a.ldt");
    platform.answers = {Answer::Yes};  // from the history: Yes saves the change first
    m_Click(app, 2);
    EXPECT_EQ(app.setPath, dir.file("b.ldt"));
    EXPECT_EQ(questionsOnDisk(dir.file("a.ldt"), 1), Texts{"A geändert"});
    EXPECT_FALSE(app.frm1.m[1].enabled || app.frm1.mnudatöffnen.enabled);

    platform.answers = {Answer::No, Answer::OK};  // a new set instead, without saving
    mnudatneu_Click(app);
    EXPECT_TRUE(app.frm1.m[1].enabled && app.frm1.mnudatöffnen.enabled);
}

TEST_F(FileCommandsTest, AVanishedHistoryEntryOpensNothing) {
    writeSet(dir.file("weg.ldt"), {{card("A", "a")}});
    app.setPath = dir.file("weg.ldt");
    verlauf_aktualisieren(app);
    std::filesystem::remove(dir.file("weg.ldt"));
    platform.answers = {Answer::OK};
    m_Click(app, 1);
    EXPECT_EQ(platform.messages.back().title + ": " + platform.messages.back().text,
              "Datei nicht gefunden: Datei wurde verschoben oder gelöscht");
    EXPECT_EQ(platform.messages.back().icon, Icon::Information);
}

// Opening a set reads the settings file again; what the learner changed since the start is
// in it by then. The page keys follow their check mark from that opening on.
TEST_F(FileCommandsTest, OpeningASetKeepsTheOptionsChangedBefore) {
    writeSettings(app);  // as the last exit left it
    setCoverMode(app, 1);
    app.frm1.mnuklang.checked = true;
    app.settings.abspann = 700;
    app.settings.farben[8] = 255;
    app.frm1.mnukey.checked = true;
    openSet("s.ldt", {{card("A", "a")}});
    const SettingsValues& s = app.settings;
    EXPECT_EQ(std::tuple(s.verdeckmodus, s.abspann, s.farben[8]), std::tuple(1, 700.0, 255U));
    EXPECT_TRUE(app.frm1.mnuklang.checked && s.blaettern == "ja");
}

TEST_F(FileCommandsTest, OpeningOffersABackupAndAnEmptyBox1HasNoPosition) {
    writeSet(dir.file("s.ldt"), {{}, {card("Zwei", "two")}, {}, {}, {}});
    app.frm1.mnusiko_janein.checked = true;
    app.settings.blaettern = "nein";
    {
        App previous(platform);
        previous.paths = app.paths;
        previous.settings.sicherheitskopie = "Sicherheitskopie=ja";
        writeSettings(previous);
    }
    platform.answers = {Answer::Yes, Answer::OK};  // make the backup; its report
    platform.fileAnswers = {dir.file("s.ldt")};
    mnudatöffnen_Click(app);
    EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text,
              "Datenbank vor dem Bearbeiten sichern: Sicherheitskopie der Datenbank anlegen ?");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("06122026")));
    EXPECT_EQ(app.store.k(1).pos, 0);
    EXPECT_FALSE(app.frm1.mnukk[0].checked || app.frm1.mnu5leeren.enabled);
    EXPECT_TRUE(app.frm1.mnu5import.enabled);
}

TEST_F(FileCommandsTest, SavingDuringAQueryNeverCopiesTheShownCardIntoBox1) {
    openSet("s.ldt", {{card("Eins", "one")}, {card("Zwei", "two")}});
    mnuzufall_Click(app);
    platform.answers = {Answer::No};  // no shuffle
    mnukk_Click(app, 1);
    ASSERT_EQ(app.frm1.txtfrage.caption, "Zwei");
    mnudatspeichern_Click(app);
    EXPECT_EQ(questionsOnDisk(dir.file("s.ldt"), 1), Texts{"Eins"});
    EXPECT_EQ(app.store.k(2).pos, 1);  // the learner goes on with the card he sees
}

TEST_F(FileCommandsTest, ADeclinedOldSetIsNeverOverwrittenByTheOpenOne) {
    dir.write("alt.ldt", "\"kursdatenbank\"\r\n");
    openSet("neu.ldt", {{card("Haus", "house")}});
    app.frm1.mnudatöffnen.enabled = true;
    type("Haus", "a house");

    // Keep the change? Yes; decline the update; then the new set's own exit question: Yes.
    platform.answers = {Answer::Yes, Answer::Cancel, Answer::Yes};
    platform.fileAnswers = {dir.file("alt.ldt")};
    mnudatöffnen_Click(app);
    EXPECT_EQ(dir.read("alt.ldt"), "\"kursdatenbank\"\r\n");
    EXPECT_TRUE(app.setPath.empty());  // a new set
    EXPECT_EQ(questionsOnDisk(dir.file("neu.ldt"), 1), Texts{"Haus"});
}

TEST_F(FileCommandsTest, AFailedSaveAndACancelledOpenDialogLeaveTheNewSetAsItWas) {
    newSetWithThreeCards();
    app.settings.letzteDatei = dir.file("vorher.ldt");
    platform.fileAnswers = {dir.file("fehlt/ordner/kurs.ldt")};
    platform.answers = {Answer::OK};  // the save reports its failure
    mnudatspeichern_Click(app);
    EXPECT_EQ(app.settings.letzteDatei, dir.file("vorher.ldt"));
    EXPECT_TRUE(app.setPath.empty());

    platform.fileAnswers = {std::nullopt};
    platform.answers = {Answer::No, Answer::OK};  // the unsaved new set may go
    mnudatöffnen_Click(app);
    EXPECT_EQ(app.frm1.txtfrage.caption, "drei");
    EXPECT_TRUE(app.frm1.mnudatöffnen.enabled);
}

TEST_F(FileCommandsTest, CardsBroughtInBeforeAnySetWasOpenedAreNotDroppedSilently) {
    app.store.k(5).append(card("Gelernt", "learnt"));  // as a box-5 import at start leaves it
    platform.answers = {Answer::Cancel};
    mnudatöffnen_Click(app);
    EXPECT_TRUE(platform.openDialogs.empty());
}

}  // namespace
}  // namespace memvalo::test
