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

    test::Texts lines(const std::string& text) {
        test::Texts out;
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            out.push_back(text.substr(start, end - start));
        }
        return out;
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

    const std::string sep(70, '-');
    const std::string ind(10, ' ');
    const std::string text = protocolText(f, "06.12.2026", "14:03:27");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines(text), (test::Texts{
                               sep,
                               "F E H L E R P R O T O K O L L vom ErrorPartner",
                               sep,
                               "PROGRAMM-INFOS:",
                               ind + "memvalo  V" + std::string(kVersionText),
                               sep,
                               "FEHLERBESCHREIBUNG:",
                               ind + "Fehler-Nr:\tDatei nicht gefunden (53)",
                               ind + "Modul:\tModule1",
                               ind + "Prozedur:\tfelder_an_k2ds",
                               ind + "Zeilen-Nr.:\t" + std::to_string(failingLine),
                               ind + "Datum/Uhrzeit:\t06.12.2026 / 14:03:27",
                               sep,
                               "CALLSTACK:",
                               sep,
                               "SYSTEMINFO:",
                               ind + "Plattform:\tLinux",
                               ind + "Version:\t6.1",
                               ind + "Build:\t0-18-amd64   Debian GNU/Linux 12 (bookworm)",
                               sep,
                           }));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(ErrorWindowTest, ProtocolLinesWrapAfter73Columns) {
    const std::string ind20(20, ' ');
    const std::string word73(73, 'w');
    const std::string word80(80, 'x');
    struct Case {
        std::string line;
        test::Texts printed;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        test::Texts printed = protocolPrintLines(c.line + "\r\n");
        ASSERT_EQ(printed.size(), c.printed.size() + 1);
        EXPECT_EQ(printed.back(), " ") << "the empty line the wrap adds at the end";
        printed.pop_back();
        EXPECT_EQ(printed, c.printed);
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
    EXPECT_EQ(printed[0].text, expected[0]);
    for (std::size_t i = 1; i < printed.size(); ++i) {
        EXPECT_EQ(printed[i].text, expected[i]);
        EXPECT_GT(std::pair(printed[i].page, printed[i].y),
                  std::pair(printed[i - 1].page, printed[i - 1].y));
        EXPECT_TRUE(printed[i].font.fixedPitch);
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
    struct Case {
        const char* release;
        const char* version;
        const char* build;
    };
    for (const Case& c : {Case{"6.1.0-18-amd64", "6.1", "0-18-amd64"}, Case{"5.15", "5.15", ""},
                          Case{"6.8.0-generic", "6.8", "0-generic"}, Case{"7", "7", ""}}) {
        std::string version, build;
        splitRelease(c.release, version, build);
        EXPECT_EQ(version, c.version) << c.release;
        EXPECT_EQ(build, c.build) << c.release;
    }
}

}  // namespace
}  // namespace memvalo
