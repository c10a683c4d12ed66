#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/codec.h"
#include "support/app_fixture.h"

namespace memvalo::test {
namespace {

constexpr int kHeadLines = 37;
constexpr char kFirstStart[] =
    "Wahrscheinlich haben Sie das Programm zum 1.Mal gestartet.\r"
    "Es ist noch keine Einstellungsdatei vorhanden.\r"
    "Standardeinstellungen werden verwendet";

class SettingsFileTest : public DataFolderTest {
  protected:
    Texts fileLines() {
        Texts lines;
        std::string text = cp1252ToUtf8(readFile());
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }
    std::string readFile() { return dir.read("data/memvalo/memvalo.ini"); }
    void writeLines(const Texts& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        dir.write("data/memvalo/memvalo.ini", utf8ToCp1252(text));
    }
    // A complete file of the default settings, with one value line replaced.
    void writeWithLine(int lineNumber, const std::string& value) {
        writeSettings(app);
        auto lines = fileLines();
        lines.at(lineNumber - 1) = value;
        writeLines(lines);
    }
};

TEST_F(SettingsFileTest, WritingThenReadingGivesBackEveryValue) {
    SettingsValues& s = app.settings;
    MainWindowModel& w = app.frm1;
    s.sicherheitskopie = "Sicherheitskopie=ja";
    s.abspann = 812.5;
    w.mnufarbverlauf.checked = true;
    w.mnuklang.checked = false;
    for (int i = 0; i < 12; ++i) s.farben[i] = 1000u * (i + 1);
    s.verlauf = {17, 18, 19, 4};
    w.txtantwort.font = {"DejaVu Sans", 16, true, false, true};
    s.schriftgroessen = {11, 16, 9, 8};
    s.schliessen = 0;
    w.me.geometry = {-300, 4500, 9300, 40000};
    s.zentrieren = 1;
    s.groesseMerken = 1;
    app.ontop = "ja";
    s.paintPfad = "/usr/bin/pinta";
    w.mnupaint.caption = "Pinta (Grafik)";
    s.recorderPfad = "/usr/bin/audacity";
    w.mnurecorder.caption = "Audacity";
    s.mediaPfad = "/home/u/Bilder/Übung/";
    w.mnumini.checked = true;
    w.mnuverbergen.checked = true;
    w.mnuverdecktunten.checked = false;
    w.mnuverdecktoben.checked = true;
    w.mnuzusatzsichtbar.checked = true;
    w.mnugleichauf.checked = true;
    s.letzteDatei = "/home/u/Vokabeln ☺.ldt";
    w.mnukorrekt.checked = true;
    s.wiederholen = 1;
    s.absatz = 1;
    s.blaettern = "ja";
    s.csvImportOrdner = "/home/u/Import/";
    writeSettings(app);
    const std::string written = readFile();
    const auto lines = fileLines();
    EXPECT_EQ(lines.size(), kHeadLines + 48u);
    // Numbers carry blanks and a decimal comma, a negative one only a blank behind.
    EXPECT_EQ(
        (Texts{lines[2], lines[5], lines[22], lines[36], lines[kHeadLines], lines[kHeadLines + 1]}),
        (Texts{" 812,5 ", " 1000 ", "Falsch", "0", "[Fensterposition links]", "-300 "}));

    // Every value above differs from its default: a value read back wrongly or not at all is
    // written back differently. Three values wait in the settings for the start-up to apply.
    App fresh(platform);
    fresh.paths = app.paths;
    readSettings(fresh);
    SettingsValues& r = fresh.settings;
    MainWindowModel& f = fresh.frm1;
    EXPECT_EQ(r.farbschema, "farbverlauf");
    EXPECT_EQ((std::array{r.links, r.oben, r.breite, r.hoehe}),
              (std::array{-300, 4500, 9300, 40000}));
    EXPECT_EQ(r.korrektur, 1);
    f.mnufarbverlauf.checked = true;
    f.me.geometry = {r.links, r.oben, r.breite, r.hoehe};
    f.mnukorrekt.checked = true;
    writeSettings(fresh);
    EXPECT_EQ(readFile(), written);
    // What the reading derives from the values.
    EXPECT_TRUE(f.txtantwort.font.bold && f.txtantwort.font.underline);
    EXPECT_EQ(f.Label1.caption, "A");
    EXPECT_EQ(r.verdeckmodus, 1);
    EXPECT_EQ(r.zusatzmodus, 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsFileTest, AMissingFileIsAFirstStartAndWritesACompleteFile) {
    platform.answers = {Answer::OK};
    readSettings(app);
    EXPECT_EQ(platform.messageTexts(), Texts{kFirstStart});
    EXPECT_EQ(fileLines().size(), kHeadLines + 48u);
    readSettings(app);  // the next start reads it without a message
}

TEST_F(SettingsFileTest, AFileEndingAfterTheHeadKeepsTheLabelledValues) {
    writeSettings(app);
    auto lines = fileLines();
    lines[4] = "Klang aus";
    lines.resize(kHeadLines);
    writeLines(lines);
    app.ontop = "ja";
    app.frm1.mnumini.checked = true;
    readSettings(app);
    EXPECT_FALSE(app.frm1.mnuklang.checked);
    EXPECT_TRUE(app.ontop == "ja" && app.frm1.mnumini.checked);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsFileTest, ABadOrHugeNumberFallsBackToTheDefaultsAndRewritesTheFile) {
    // A number of hundreds of digits was once read as infinity and written back as " inf ".
    for (auto [line, value] : {std::pair<int, std::string>{3, "abc"},
                               {3, std::string(400, '9')},
                               {22, "1" + std::string(20, '0') + ",5"}}) {
        SCOPED_TRACE(value);
        writeWithLine(line, value);
        app.settings.farben[2] = 1;
        app.settings.verlauf = {5, 5, 5, 2};
        platform.messages.clear();
        platform.answers = {Answer::OK};
        readSettings(app);
        EXPECT_EQ(platform.messageTexts(),
                  Texts{kFirstStart + std::string("\rDie Datei ") + app.paths.settingsFile +
                        " hat in Zeile " + std::to_string(line) + " einen unbrauchbaren Wert."});
        EXPECT_EQ(platform.messages[0].title, "Einstellungsdatei lesen fehlgeschlagen");
        EXPECT_EQ(app.settings.farben, kDefaultUserColours);
        EXPECT_EQ(app.settings.verlauf, kDefaultGradient);
        EXPECT_EQ(fileLines()[2], " 1500 ");
    }
}

// Only exactly "Wahr" switches a style on; the cover colour is clamped and defaults when empty.
TEST_F(SettingsFileTest, StylesAndTheCoverColourAreReadStrictly) {
    const struct {
        const char* style;
        std::string cover;
        std::uint32_t colour;
    } cases[] = {{"wahr", "-5", 0},
                 {"True", "20000000", 16777210},
                 {"Wahr ", "", 12615808},
                 {"Wahr", " 255 ", 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        writeSettings(app);
        auto lines = fileLines();
        lines[22] = c.style;
        lines[kHeadLines + 2 * 17 - 1] = c.cover;
        writeLines(lines);
        readSettings(app);
        EXPECT_EQ(app.frm1.txtfrage.font.bold, std::string(c.style) == "Wahr");
        EXPECT_EQ(app.settings.farben[11], c.colour);
    }
}

TEST_F(SettingsFileTest, EmptyValuesSwitchOffOpeningAndFallBackToTheDocumentsFolder) {
    app.frm1.mnugleichauf.checked = true;
    app.settings.letzteDatei = "/alt/satz.ldt";
    writeSettings(app);
    auto lines = fileLines();
    for (const int value : {18, 19, 22, 24}) lines[kHeadLines + 2 * value - 1] = "";
    writeLines(lines);
    readSettings(app);
    EXPECT_FALSE(app.frm1.mnugleichauf.checked);
    EXPECT_EQ(app.settings.letzteDatei + "|" + app.settings.csvImportOrdner + "|" +
                  app.settings.blaettern + std::to_string(app.settings.korrektur),
              "|" + platform.documents + "|nein0");
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileIsReportedWhenReadingAndWriting) {
    // A folder in the file's place can be neither read nor replaced, whoever runs the test.
    std::filesystem::create_directories(app.paths.settingsFile + "/inhalt");
    platform.answers = {Answer::OK, Answer::OK};
    readSettings(app);
    const std::string why = " (dort steht ein Ordner).";
    EXPECT_EQ(platform.messageTexts(),
              (Texts{kFirstStart + ("\rDie Datei " + app.paths.settingsFile +
                                    " kann nicht gelesen werden" + why),
                     "Fehler beim Speichern der *.ini-Datei\rDie Datei " + app.paths.settingsFile +
                         " kann nicht geschrieben werden" + why}));
    EXPECT_EQ(platform.messages[1].title, "Einstellungsdatei speichern fehlgeschlagen");
    EXPECT_TRUE(std::filesystem::is_directory(app.paths.settingsFile + "/inhalt"));
}

}  // namespace
}  // namespace memvalo::test
