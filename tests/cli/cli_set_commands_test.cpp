#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/desktop_folders.h"
#include "core/speicher_an_platte.h"
#include "core/version.h"
#include "support/app_fixture.h"
#include "support/cli_run.h"
#include "support/set_on_disk.h"

namespace memvalo {
namespace {

using test::CliRun;

class CliSetCommands : public test::AppTest {
  protected:
    // "@" stands for the test's folder.
    CliRun cli(std::string arguments) const {
        for (std::size_t at; (at = arguments.find('@')) != std::string::npos;) {
            arguments.replace(at, 1, "'" + dir.path() + "'");
        }
        return test::runCli(arguments, dir.file("stderr.txt"));
    }

    void saveSet() {
        for (int box = 1; box <= 5; ++box) {
            for (int i = 0; i < box; ++i) {
                CardRecord card;
                card.frage = "Frage";
                app.store.k(box).append(card);
            }
            app.frm1.txtazsoll[box - 1].caption = std::to_string(box * 100);
        }
        app.setPath = dir.file("set.ldt");
        ASSERT_TRUE(speicher_an_platte(app));
    }
};

TEST_F(CliSetCommands, CheckAndResaveReadEveryBoxOrRefuseABrokenSet) {
    saveSet();
    CliRun run = cli("check @set.ldt");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "Kasten 1: 1 von 100\nKasten 2: 2 von 200\nKasten 3: 3 von 300\n"
              "Kasten 4: 4 von 400\nKasten 5: 5 von 500\n");
    // Resaving writes the canonical form of an older spelling.
    const std::string canonical = dir.read("set.ldt");
    dir.write("set.ldt", "1\r\n\"Frage\",\"\",\"\",\"\"\r\n          \r\n  \r\n\r\n");
    run = cli("resave @set.ldt");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(dir.read("set.ldt"), canonical);

    dir.write("set.k04", "12\r\n");
    run = cli("check @set.ldt");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Die Datei " + dir.file("set.k04") + " ist unvollständig."),
              std::string::npos)
        << run.err;

    // A file that cannot be read at all ended the tool with an uncaught exception.
    std::filesystem::remove(dir.file("set.cfg"));
    std::filesystem::create_directory(dir.file("set.cfg"));
    std::filesystem::create_directory(dir.file("ordner.ldt"));
    for (auto [command, set, unreadable] : {std::tuple{"check", "set.ldt", "set.cfg"},
                                            {"resave", "set.ldt", "set.cfg"},
                                            {"convert", "ordner.ldt", "ordner.ldt"}}) {
        run = cli(std::string(command) + " @" + set);
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_NE(run.err.find(dir.file(unreadable) + " kann nicht gelesen werden"),
                  std::string::npos)
            << command << ": " << run.err;
    }
}

TEST_F(CliSetCommands, SuchenPrintsBoxPositionQuestionAndAnswerOfEachHit) {
    app.store.k(3).append(test::card("Straße", "street"));
    saveSet();
    const struct {
        std::string arguments;
        int exitCode;
        std::string out;
    } cases[] = {
        {"suchen @set.ldt STRASSE", 0, "3\t1\tStraße\tstreet\n"},
        {"suchen @set.ldt strasse --kaesten 1,2", 0, ""},
        {"suchen @set.ldt frage --kaesten 2", 0, "2\t1\tFrage\t\n2\t2\tFrage\t\n"},
        {"suchen @set.ldt x --kaesten 6", 2, ""},
        {"suchen @set.ldt", 2, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST_F(CliSetCommands, ImportCsvWritesTheSetTellsWrongLinesAndRefusesFilesWithoutSeparators) {
    dir.write("woerter.txt", "Haus\thouse\r\n\r\nBaum\ttree\tZusatz\r\na\tb\tc\td\te\r\n");
    CliRun run = cli("import-csv @woerter.txt @neu.ldt");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "F E R T I G  !  Es wurden 4 Datensätze importiert!\n");
    EXPECT_EQ(run.err,
              "Zeile 2: Fehler bei Anzahl der Trennzeichen\n"
              "Zeile 4: Fehler bei Anzahl der Trennzeichen\n");
    EXPECT_EQ(cli("check @neu.ldt").out.substr(0, 20), "Kasten 1: 4 von 2000");

    dir.write("leer.txt", "a;b\r\n");
    run = cli("import-csv @leer.txt @leer.ldt");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "Es wurden keine oder zuwenig Trennzeichen gefunden!\nEvtl. ist die Datei leer oder "
              "beschädigt.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("leer.ldt")));
}

// The page itself is the export's matter; here the options reach it.
TEST_F(CliSetCommands, ExportWritesTheChosenFormatAndRefusesUnknownOptions) {
    saveSet();
    CliRun run = cli("export csv @set.ldt @k2.csv --kaesten 2 --felder frage");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Export komplett!\n");
    EXPECT_EQ(dir.read("k2.csv"), "Frage\r\nFrage\r\n");
    run = cli("export html @set.ldt @seite.html --autor 'Ina K' --absatz");
    const std::string page = dir.read("seite.html");
    EXPECT_NE(page.find("( Autor Lerndaten: Ina K,&nbsp;Datei: seite )"), std::string::npos);
    EXPECT_NE(page.find("5.5.</b>\r\n<br>\r\n"), std::string::npos);

    for (const std::string wrong :
         {"pdf @set.ldt @x.txt", "text @set.ldt @x.txt --kaesten 6",
          "text @set.ldt @x.txt --felder frage,bild", "text @set.ldt @x.txt --kaesten",
          "text @set.ldt @x.txt --leise"}) {
        run = cli("export " + wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong;
        EXPECT_NE(run.err.find("Aufruf: memvalo-cli export"), std::string::npos) << wrong;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.txt")));
}

TEST_F(CliSetCommands, StatistikCountsTheHistoryAndTheCards) {
    CardRecord haus = test::card("Haus", "house");
    haus.falsch = "4";
    app.store.k(3).append(haus);
    saveSet();
    const std::string today = todayText();
    dir.write("set.vlf", "A;" + today + ";10:00:00;2;r\r\nA;" + today + ";10:00:01;2;f\r\nA;" +
                             today + ";10:00:02;2;r\r\nS;" + today + ";1;2;4;4;5\r\n");
    const CliRun run = cli("statistik @set.ldt");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const std::string line :
         {"  Kasten 3: 4 von 300\n", "Antworten in den letzten 7 Tagen: 3\n",
          "  Kasten 2: 67 % / 67 %\n  Kasten 3: – / –\n",
          "Lerntage in Folge: 1 (längste Folge: 1)\n",
          "  1. Haus – house (Kasten 3, Karte 1): 4-mal falsch\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
    }
}

TEST_F(CliSetCommands, VersionAndHelpAnswerEveryUsualSpelling) {
    for (const std::string spelling : {"version", "--version", "-V", "help", "--help", "-h"}) {
        const CliRun run = cli(spelling);
        EXPECT_EQ(run.exitCode, 0) << spelling;
        const bool help = spelling.find('h') != std::string::npos;
        const std::string expected = help ? "Aufruf: memvalo-cli BEFEHL"
                                          : "Memvalo Version " + std::string(kVersionText) + "\n";
        EXPECT_EQ(run.out.substr(0, expected.size()), expected) << spelling;
        for (const char* usage : {"import-csv DATEI ZIEL", "export FORMAT SET.ldt ZIEL"}) {
            EXPECT_EQ(run.out.find(usage) != std::string::npos, help) << spelling << usage;
        }
    }
    const CliRun wrong = cli("--versoin");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.out + wrong.err.substr(0, 26), "Aufruf: memvalo-cli BEFEHL");
}

}  // namespace
}  // namespace memvalo
