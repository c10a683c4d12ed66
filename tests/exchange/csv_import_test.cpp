#include <filesystem>
#include <fstream>

#include "exchange/csv_conversion.h"
#include "exchange/csv_import_command.h"
#include "exchange/csv_import_window.h"
#include "exchange/import_text.h"
#include "settings/settings_file.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

struct Card {
    std::string frage, antwort, zusatz1, zusatz2;
    bool operator==(const Card&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Card& c) {
    return os << "{" << c.frage << "|" << c.antwort << "|" << c.zusatz1 << "|" << c.zusatz2 << "}";
}

struct Converted {
    std::vector<Card> cards;
    std::vector<int> wrongLines;
};

// The cards a file's bytes give, through the same steps the import window takes.
Converted convert(const std::string& bytes) {
    const std::string text = importFileText(bytes);
    const auto separator = detectSeparator(text);
    EXPECT_TRUE(separator) << bytes;
    Converted result;
    Box box;
    const int count = konvertCards(text, separator.value_or(';'), "06.12.2026", box,
                                   [&](int line) { result.wrongLines.push_back(line); });
    EXPECT_EQ(count, box.anz);
    for (int n = 1; n <= box.anz; ++n) {
        EXPECT_EQ(box[n].erstellt.text(), "06.12.2026") << n;
        EXPECT_EQ(box[n].falsch.text(), "0         ") << n;
        result.cards.push_back({box[n].frage, box[n].antwort, box[n].zusatz1, box[n].zusatz2});
    }
    return result;
}

TEST(CsvImport, SeparatorOfTheWholeFile) {
    const struct {
        std::string text;
        std::optional<char> separator;
    } cases[] = {
        {"a;b\tc\r\nd;e\tf\r\ng;h\ti\r\n", std::nullopt},  // 3 and 3
        {"a;b;c\r\nnone\r\nd;e;f\r\n", ';'},               // 4, not in every line
        {"a;b;c;d;e\tf\tg\th\ti\r\n", ';'},                // 4 and 4
        {"a\tb\tc\td\te;f;g;h;i\r\n", ';'},                // more semicolons
        {"a\tb\r\nc\td\r\ne\tf\r\ng\th\r\ni;j\r\n", '\t'},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(detectSeparator(c.text), c.separator) << c.text;
}

TEST(CsvImport, LinesBecomeCards) {
    const std::string q = "\xC2\xA8";  // how a double quote is stored
    const struct {
        std::string bytes;
        std::vector<Card> cards;
        std::vector<int> wrongLines;
    } cases[] = {
        {"Haus;house\r\na\xAC"
         "b;c\r\n;;;\r\n",
         {{"Haus", "house", "", ""}, {"a;b", "c", "", ""}, {"", "", "", ""}},
         {}},
        {"a\xAC"
         "b\tc\td\r\nx\ty\r\n1\t2\r\n",
         {{"a;b", "c", "d", ""}, {"x", "y", "", ""}, {"1", "2", "", ""}},
         {}},
        {"Zeile 1#Zeile 2;x;y;z\r\n\r\neins;zwei;drei;vier;fünf\r\nnur eins\r\nlast;one",
         {{"Zeile 1\r\nZeile 2", "x", "y", "z"}, {}, {}, {}, {"last", "one", "", ""}},
         {2, 3, 4}},
        // Spreadsheet quoting: the separator, a doubled quote and a line break inside.
        {"\"a;b\";\"er sagte \"\"ja\"\"\";\"zwei\r\nZeilen\"\r\n\"x\";y;\"\"\r\n",
         {{"a;b", "er sagte " + q + "ja" + q, "zwei\r\nZeilen", ""}, {"x", "y", "", ""}},
         {}},
        // A quote not closed right before a separator is an ordinary character.
        {"\"Hallo\" sagte er;hello\r\n\"offen;zu\r\nc;d;e;f\r\n",
         {{q + "Hallo" + q + " sagte er", "hello", "", ""},
          {q + "offen", "zu", "", ""},
          {"c", "d", "e", "f"}},
         {}},
        // UTF-8 with and without its mark; other bytes are Windows-1252.
        {"\xEF\xBB\xBF\xC3\x84pfel;apples\r\n\xE6\x97\xA5\xE6\x9C\xAC;Japan;;\r\n",
         {{"Äpfel", "apples", "", ""}, {"日本", "Japan", "", ""}},
         {}},
        {"\xC3\x84pfel;apples;;\r\nx;y\r\n", {{"Äpfel", "apples", "", ""}, {"x", "y", "", ""}}, {}},
        {"\xC4pfel;apples;;\r\n\x80;euro\r\n",
         {{"Äpfel", "apples", "", ""}, {"€", "euro", "", ""}},
         {}},
    };
    for (const auto& c : cases) {
        const Converted got = convert(c.bytes);
        EXPECT_EQ(got.cards, c.cards) << c.bytes;
        EXPECT_EQ(got.wrongLines, c.wrongLines) << c.bytes;
    }
}

TEST(CsvImport, AtMost2000CardsAreImported) {
    std::string bytes;
    for (int i = 1; i <= 2500; ++i) bytes += "q" + std::to_string(i) + ";a\r\n";
    const Converted got = convert(bytes);
    ASSERT_EQ(got.cards.size(), 2000U);
    EXPECT_EQ(got.cards.back().frage, "q2000");
    EXPECT_EQ(importDoneText(2000), "F E R T I G  !  Es wurden 2000 Datensätze importiert!");
}

class CsvImportWindow : public DataFolderTest {
  protected:
    CsvImportWindow() {
        std::ofstream(app.paths.settingsFile) << "";
        dir.write("woerter.csv", "Haus;house\r\nBaum;tree\r\nlinks;left;Richtung\r\n");
        platform.whileImportOpen = [this](CsvImportWindowModel& f) {
            frmcsv_Load(app, f);
            states.push_back(buttons(f));
            if (steps) steps(f);
        };
    }

    // cmdimport, cmdok, cmdcancel enabled, as "iok" with "-" for a disabled one.
    static std::string buttons(const CsvImportWindowModel& f) {
        return std::string(f.cmdimport.enabled ? "i" : "-") + (f.cmdok.enabled ? "o" : "-") +
               (f.cmdcancel.enabled ? "c" : "-");
    }

    std::function<void(CsvImportWindowModel&)> steps;
    Texts states;
};

TEST_F(CsvImportWindow, ConvertsTheChosenFileAndOpensTheNewSet) {
    std::filesystem::create_directories(dir.file("listen"));
    std::filesystem::copy_file(dir.file("woerter.csv"), dir.file("listen/woerter.csv"));
    platform.fileAnswers = {dir.file("listen/woerter.csv"), dir.file("neu/woerter")};
    std::filesystem::create_directories(dir.file("neu"));
    writeSettings(app);  // as at every start, the file holds the folder of the last import
    steps = [this](CsvImportWindowModel& f) {
        cmdcsvopen_Click(app, f);
        EXPECT_EQ(f.lblcsvdatei.caption, "woerter.csv");
        EXPECT_EQ(f.lblstatus.caption,
                  "Eine Dateianalyse ergab, dass als Trennzeichen ein Semikolon ( ; ) verwendet "
                  "wird. Klicken Sie nun auf \"Konvertieren und speichern\"!");
        states.push_back(buttons(f));
        cmdimport_Click(app, f);
        EXPECT_EQ(f.lblstatus.caption, "F E R T I G  !  Es wurden 3 Datensätze importiert!");
        states.push_back(buttons(f));
        cmdok_Click(f);
        EXPECT_FALSE(f.me.visible);
    };
    mnucsvimport_Click(app);
    EXPECT_EQ(states, (Texts{"--c", "i-c", "io-"}));
    EXPECT_EQ(platform.openDialogs[0].initialFolder, dir.path());
    EXPECT_EQ(platform.saveDialogs[0].fileName + "." + platform.saveDialogs[0].defaultSuffix,
              "woerter.ldt");
    // The name typed without ".ldt" gets it, so that the set opens with all its files.
    EXPECT_EQ(app.setPath, dir.file("neu/woerter.ldt"));
    EXPECT_EQ(app.frm1.lblinidir.caption, app.setPath);
    EXPECT_EQ(app.store.k(1).anz, 3);
    EXPECT_EQ(app.store.k(1)[3].zusatz1 + app.frm1.txtfrage.caption, "RichtungHaus");
    EXPECT_EQ(app.store.soll, (std::array<int, 5>{2000, 2000, 2000, 2000, 2000}));
    EXPECT_TRUE(app.frm1.me.caption.ends_with("   Datei: woerter.ldt"));
    // Reading the settings again as the new set opens keeps the folder for the next import.
    EXPECT_EQ(app.settings.csvImportOrdner, dir.file("listen/"));
}

TEST_F(CsvImportWindow, CancelAndARefusedFileLeaveTheNewEmptySet) {
    dir.write("leer.csv", "a;b\r\nc;d\r\n");
    platform.fileAnswers = {dir.file("woerter.csv"), dir.file("leer.csv")};
    platform.answers = {Answer::OK};
    steps = [this](CsvImportWindowModel& f) {
        cmdcsvopen_Click(app, f);
        cmdcsvopen_Click(app, f);
        EXPECT_EQ(f.lblcsvdatei.caption, "");
        states.push_back(buttons(f));
        cmdcancel_Click(f);
    };
    mnucsvimport_Click(app);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text,
              "Fehler beim Einlesen: Es wurden keine oder zuwenig Trennzeichen gefunden!\rEvtl. "
              "ist die Datei leer oder beschädigt.");
    EXPECT_EQ(platform.messages[0].icon, Icon::Critical);
    // Nothing left to convert: the convert button is greyed.
    EXPECT_EQ(states, (Texts{"--c", "--c"}));
    EXPECT_TRUE(app.setPath.empty() && app.store.k(1).anz == 1);
    EXPECT_TRUE(app.frm1.me.caption.ends_with("   Import"));
}

TEST_F(CsvImportWindow, EachWrongLineIsToldAndTheFilesAreNamedAsTyped) {
    dir.write("fehler.csv", "a;b\r\n\r\nc;d;e;f;g\r\nh;i\r\n");
    platform.fileAnswers = {dir.file("fehler.csv")};
    platform.answers = {Answer::OK, Answer::OK};
    CsvImportWindowModel f;
    frmcsv_Load(app, f);
    cmdcsvopen_Click(app, f);
    ASSERT_TRUE(konvert(app, f, dir.path(), "vokabeln"));
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages[1].title + ": " + platform.messages[1].text,
              "Fehlerbericht bitte an support@quorbel.de !: Fehler bei Anzahl der Trennzeichen");
    EXPECT_EQ(f.lblstatus.caption, "F E R T I G  !  Es wurden 4 Datensätze importiert!");
    const std::string box1 = dir.read("vokabeln");
    EXPECT_EQ(box1.substr(0, box1.find("\"h\"")),
              " 4 \r\n\"a\"\r\n\"b\"\r\n\"\"\r\n\"\"\r\n06.12.2026\r\n0         \r\n\r\n"
              "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n06.12.2026\r\n0         \r\n\r\n"
              "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n06.12.2026\r\n0         \r\n\r\n");
    for (const char* box : {"vokabeln.k02", "vokabeln.k03", "vokabeln.k04", "vokabeln.k05"}) {
        EXPECT_EQ(dir.read(box), "0\r\n") << box;
    }
    const std::string cfg = dir.read("vokabeln.cfg");
    EXPECT_EQ(cfg.substr(0, cfg.find("placeholder")),
              "2000\r\n2000\r\n2000\r\n2000\r\n2000\r\n[Kasten 5 bereits beantwortet]\r\n0\r\n"
              "[Pfad f\xFCr Kl\xE4nge/Bilder]\r\n\r\n[Bilder bei Abfrage zeigen?]\r\nnein\r\n"
              "[Bilder \xFC"
              "berhaupt zeigen?]\r\nnein\r\n");
    EXPECT_EQ(std::count(cfg.begin(), cfg.end(), '\n'), 43);
}

TEST_F(CsvImportWindow, AnImportOverAnOpenSetWritesTheNewOneWhole) {
    writeSet(dir.file("alt.ldt"), {{card("alt", "old")}, {card("zwei", "two")}});
    platform.fileAnswers = {dir.file("woerter.csv")};
    CsvImportWindowModel f;
    frmcsv_Load(app, f);
    cmdcsvopen_Click(app, f);
    ASSERT_TRUE(konvert(app, f, dir.path(), "alt.ldt"));
    EXPECT_EQ(questionsOnDisk(dir.file("alt.ldt"), 1), (Texts{"Haus", "Baum", "links"}));
    EXPECT_TRUE(questionsOnDisk(dir.file("alt.ldt"), 2).empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("alt.commit~")));

    // A folder that is not there: the error is told, and nothing is opened.
    platform.answers = {Answer::OK};
    EXPECT_FALSE(konvert(app, f, dir.file("fehlt/"), "neu.ldt"));
    EXPECT_EQ(platform.messages.back().text, "76\rPfad nicht gefunden");
}

}  // namespace
}  // namespace memvalo::test
