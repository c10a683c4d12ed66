#include "report/err_ptnr.h"

#include <filesystem>

#include "core/codec.h"
#include "core/error_guard.h"
#include "core/maker.h"
#include "core/runtime_error.h"
#include "core/version.h"
#include "report/error_protocol.h"
#include "report/protocol_actions.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

class ErrorWindowTest : public test::DataFolderTest {
  protected:
    ErrorWindowTest() {
        f.system = {"Linux", "6.1", "0-18-amd64", "Debian GNU/Linux 12 (bookworm)"};
    }

    // Runs the error window for the report; `press` is what the learner does in it.
    ErrorChoice show(
        const ErrorReport& report, const std::function<void()>& press = [] {}) {
        return OnError(app, f, report, press);
    }

    ErrPtnrModel f;
};

TEST_F(ErrorWindowTest, TheProtocolDescribesAFaultOfACoreProcedure) {
    int failingLine = 0;
    platform.errorChoices = {ErrorChoice::Leave};
    guarded(app, "felder_an_k2ds", [&] {
        failingLine = __LINE__ + 1;
        throw RuntimeError(53, "Datei nicht gefunden");
    });
    show(platform.errors.at(0));

    const std::string sep = std::string(70, '-') + "\r\n";
    const std::string ind(10, ' ');
    EXPECT_EQ(protocolText(f, "06.12.2026", "14:03:27"),
              sep + "F E H L E R P R O T O K O L L vom ErrorPartner\r\n" + sep +
                  "PROGRAMM-INFOS:\r\n" + ind + "memvalo  V" + std::string(kVersionText) + "\r\n" +
                  sep + "FEHLERBESCHREIBUNG:\r\n" + ind +
                  "Fehler-Nr:\tDatei nicht gefunden (53)\r\n" + ind + "Modul:\tModule1\r\n" + ind +
                  "Prozedur:\tfelder_an_k2ds\r\n" + ind + "Zeilen-Nr.:\t" +
                  std::to_string(failingLine) + "\r\n" + ind +
                  "Datum/Uhrzeit:\t06.12.2026 / 14:03:27\r\n" + sep + "CALLSTACK:\r\n" + sep +
                  "SYSTEMINFO:\r\n" + ind + "Plattform:\tLinux\r\n" + ind + "Version:\t6.1\r\n" +
                  ind + "Build:\t0-18-amd64   Debian GNU/Linux 12 (bookworm)\r\n" + sep);
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(ErrorWindowTest, ProtocolLinesWrapAfter73Columns) {
    const std::string ind20(20, ' ');
    const std::string word73(73, 'w');
    const std::string word80(80, 'x');
    const struct {
        std::string line;
        test::Texts printed;
    } cases[] = {
        {"kurz", {"kurz "}},
        {"", {" "}},
        {std::string(72, 'a'), {std::string(72, 'a') + " "}},
        // A first word that fills the line with its blank moves to a continuation line too.
        {word73 + " zwei", {ind20 + word73 + " ", ind20 + "zwei "}},
        {std::string(72, 'a') + " zwei", {std::string(72, 'a') + " ", ind20 + "zwei "}},
        {"ab " + std::string(69, 'c') + " d", {"ab " + std::string(69, 'c') + " ", ind20 + "d "}},
        // A word too long for any line stands alone, the next goes below it.
        {"vorne " + word80 + " hinten", {"vorne ", ind20 + word80 + " ", ind20 + "hinten "}},
        {word80, {ind20 + word80 + " "}},
        // Umlauts count as one column each.
        {std::string(68, 'a') + " äö", {std::string(68, 'a') + " äö "}},
        // A tab takes the blanks up to the next column of eight.
        {"Modul:\tModule1", {"Modul:  Module1 "}},
    };
    for (const auto& c : cases) {
        test::Texts printed = c.printed;
        printed.push_back(" ");  // the empty line the wrap adds at the end
        EXPECT_EQ(protocolPrintLines(c.line + "\r\n"), printed) << c.line;
    }
}

TEST_F(ErrorWindowTest, PrintingPutsTheWrappedLinesOneBelowTheOther) {
    show({"Module1", "anzeige", 481, "Ungültiges Bild: " + std::string(75, 'p'), 0});
    cmdProtocol_Click(app, f, 0);
    const auto& printed = platform.fakePrinter.lines;
    ASSERT_EQ(platform.fakePrinter.jobs, (test::Texts{"Laser"}));
    const test::Texts expected =
        protocolPrintLines(protocolText(f, platform.todayText, platform.timeText));
    ASSERT_EQ(printed.size(), expected.size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_EQ(printed[i].text, expected[i]);
        EXPECT_TRUE(printed[i].font.fixedPitch);
        EXPECT_TRUE(i == 0 || std::pair(printed[i].page, printed[i].y) >
                                  std::pair(printed[i - 1].page, printed[i - 1].y));
    }
}

TEST_F(ErrorWindowTest, SavingAsksBeforeOverwritingAndMailTakesTheClipboard) {
    show({"Module1", "anzeige", 481, "Ungültiges Bild", 0});
    // The test's program folder does not exist: the protocol goes to the data folder.
    const std::string file = app.paths.dataFolder + "memvalo.ERR";
    EXPECT_EQ(protocolFilePath(app), file);
    platform.answers = {Answer::OK};
    cmdProtocol_Click(app, f, 1);
    EXPECT_EQ(platform.messages.back().text,
              "Das Fehlerprotokoll wurde in die Datei '" + file + "' geschrieben !");
    const std::string first = dir.read("data/memvalo/memvalo.ERR");
    EXPECT_EQ(first, utf8ToCp1252(protocolText(f, "06.12.2026", "14:03:27") + "\r\n"));

    platform.timeText = "15:00:00";
    platform.answers = {Answer::No};
    cmdProtocol_Click(app, f, 1);
    EXPECT_EQ(platform.messages.size(), 2u) << "no confirmation after No";
    EXPECT_EQ(platform.messages.back().text, "Vorhandene Datei '" + file + "' überschreiben ?");
    EXPECT_EQ(dir.read("data/memvalo/memvalo.ERR"), first);

    std::filesystem::create_directories(app.paths.programFolder);
    EXPECT_EQ(protocolFilePath(app), app.paths.programFolder + "memvalo.ERR");

    // Mail and home page put the protocol on the clipboard first.
    platform.answers = {Answer::OK};
    cmdProtocol_Click(app, f, 2);
    EXPECT_EQ(platform.clipboard, protocolText(f, platform.todayText, platform.timeText));
    platform.clipboard.clear();
    cmdProtocol_Click(app, f, 3);
    EXPECT_FALSE(platform.clipboard.empty());
    EXPECT_EQ(platform.documentsOpened,
              (test::Texts{"mailto:" + std::string(kSupportAddress), std::string(kHomePage)}));
}

TEST_F(ErrorWindowTest, TheWindowKeepsItsLastChoiceAndProgramLine) {
    const ErrorReport report{"Module1", "kasten5_import", 7, "Nicht genügend Speicher", 0};
    EXPECT_EQ(show(report), ErrorChoice::Retry) << "closed before any choice was made";
    EXPECT_EQ(f.lblError[3].caption, "0");
    EXPECT_EQ(show(report, [&] { cmdContinue_Click(f, 2); }), ErrorChoice::Leave);
    f.lblProgInfo.caption = "Memvalo-Test";
    EXPECT_EQ(show(report), ErrorChoice::Leave) << "closed: the last choice stands";
    EXPECT_EQ(f.lblProgInfo.caption, "Memvalo-Test");
}

TEST(SystemInfoTest, FieldsAndReleasesAreTakenApart) {
    EXPECT_EQ(LPSTRToVBString(std::string_view("abc\0def", 7)), "abc");
    EXPECT_EQ(LPSTRToVBString("ohne Ende"), "");
    for (const auto& [release, expected] : {std::pair{"6.1.0-18-amd64", "6.1|0-18-amd64"},
                                            {"5.15", "5.15|"},
                                            {"6.8.0-generic", "6.8|0-generic"},
                                            {"7", "7|"}}) {
        std::string version, build;
        splitRelease(release, version, build);
        EXPECT_EQ(version + "|" + build, expected);
    }
}

}  // namespace
}  // namespace memvalo
