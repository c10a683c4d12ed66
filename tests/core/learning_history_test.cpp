#include "core/learning_history.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/set_files.h"
#include "core/set_save_transaction.h"
#include "support/temp_dir.h"

namespace memvalo {
namespace {

constexpr std::string_view kHistory =
    "A;06.12.2026;23:59:59;1;r\r\nS;06.12.2026;1;0;0;0;0\r\n"
    "A;07.12.2026;00:00:01;5;f\r\nS;07.12.2026;14;10;8;5;2000\r\n";

TEST(LearningHistory, ReadsWhatItWritesAndNamesTheFirstBadLine) {
    LearningHistory history;
    ASSERT_FALSE(parseHistory(kHistory, history));
    EXPECT_EQ(historyBytes(history), kHistory);
    EXPECT_EQ(history.answers.size(), 2U);
    EXPECT_EQ(history.lastDayLine, kHistory.rfind("S;"));
    EXPECT_EQ(dateText(history.days.back().day), "07.12.2026");

    const struct {
        std::string_view bytes;
        int line;
        std::string_view reason;
    } bad[] = {
        {"A;06.12.2026;10:00:00;1;r", 1, "Zeile ohne Ende"},
        {"A;06.12.2026;10:00:00;1;r\r\nA;31.02.2026;10:00:00;1;r\r\n", 2, "ungültiges Datum"},
        {"A;06.12.2026;24:00:00;1;r\r\n", 1, "ungültige Uhrzeit"},
        {"A;06.12.2026;10:00:00;6;r\r\n", 1, "ungültiger Kasten"},
        {"A;06.12.2026;10:00:00;1;x\r\n", 1, "weder r noch f"},
        {"S;06.12.2026;1;2;3;4;2001\r\n", 1, "ungültige Kartenzahl"},
        {"S;06.12.2026;1;2;3;4\r\n", 1, "unbekannter Eintrag"},
        {"\r\n", 1, "unbekannter Eintrag"},
        {"A;06.12.2026;10:00:00;1;r\n", 1, "Zeile ohne Ende"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.bytes);
        const auto fault = parseHistory(c.bytes, history);
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->line, c.line);
        EXPECT_EQ(fault->reason, c.reason);
    }
}

TEST(LearningHistory, ALaterLineOfADayReplacesItsCounts) {
    LearningHistory history;
    ASSERT_FALSE(
        parseHistory("S;07.12.2026;1;0;0;0;0\r\nS;05.12.2026;3;0;0;0;0\r\n"
                     "S;07.12.2026;2;0;0;0;0\r\n",
                     history));
    ASSERT_EQ(history.days.size(), 2U);
    EXPECT_EQ(dateText(history.days[0].day), "05.12.2026");
    EXPECT_EQ(history.days[1].counts[0], 2);
}

struct Crash {};

// The history's lines are appended inside the set's commit: after a crash or failure at any
// step and the next open, the set and its history are both old or both new.
TEST(LearningHistory, ACrashAtAnyStepOfTheSaveLeavesSetAndHistoryTogether) {
    test::TempDir dir;
    const std::string base = dir.file("satz");
    const auto files = [](const std::string& tag) {
        std::vector<SetFileContent> set;
        for (std::string_view ext : kSetExtensions) set.push_back({ext, tag + "\r\n"});
        return set;
    };
    const std::string oldHistory = "A;06.12.2026;10:00:00;1;r\r\nS;07.12.2026;1;0;0;0;0\r\n";
    const AppendedBytes appended{base + ".vlf", oldHistory.find("S;"),
                                 "A;07.12.2026;10:00:00;1;f\r\nS;07.12.2026;0;1;0;0;0\r\n"};
    const std::string newHistory = oldHistory.substr(0, appended.keep) + appended.bytes;
    ASSERT_FALSE(saveSetFiles(base, files("old")));
    dir.write("satz.vlf", oldHistory);
    int steps = 0;
    const auto counting = [&](SaveStep, const std::string&) {
        ++steps;
        return std::error_code{};
    };
    ASSERT_FALSE(saveSetFiles(base, files("new"), counting, {.appended = &appended}));
    EXPECT_EQ(dir.read("satz.vlf"), newHistory);
    for (int k = 1; k <= steps; ++k) {
        for (const bool crash : {true, false}) {
            SCOPED_TRACE(std::to_string(k) + (crash ? " crash" : " failure"));
            ASSERT_FALSE(saveSetFiles(base, files("old")));
            dir.write("satz.vlf", oldHistory);
            int step = 0;
            const auto hook = [&](SaveStep, const std::string&) -> std::error_code {
                if (++step != k) return {};
                if (crash) throw Crash{};
                return std::make_error_code(std::errc::io_error);
            };
            try {
                saveSetFiles(base, files("new"), hook, {.appended = &appended});
            } catch (const Crash&) {
            }
            ASSERT_FALSE(recoverSetFiles(base));
            const bool isNew = dir.read("satz.ldt") == "new\r\n";
            EXPECT_EQ(dir.read("satz.vlf"), isNew ? newHistory : oldHistory);
        }
    }
    EXPECT_GE(steps, 10);
}

}  // namespace
}  // namespace memvalo
