// Two real memvalo-cli processes writing one set at the same time: every round ends with the
// whole set of one of them on disk, and a tool that said it succeeded is the one whose set is
// there (or both succeeded one after the other and the later one's set is there). A writer
// killed in the middle of its save keeps the set locked only while it lives; the next one
// completes or clears away what it left. MEMVALO_STRESS_ROUNDS sets the rounds (default 30).
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <map>

#include "support/cli_run.h"
#include "support/old_set_folder.h"

extern char** environ;

constexpr std::string_view kBusy = "wird gerade von einem anderen Programm gespeichert";

namespace memvalo {
namespace {

using test::SetBytes;

// A started tool; its standard error goes to a file. It runs in a process group of its own:
// when the shell that started the tests ends, the kernel wakes (SIGCONT) every stopped process
// of their group, which would let a writer stopped in its save go on and free the set.
class Running {
  public:
    Running(const std::string& command, const std::string& errFile) : errFile_(errFile) {
        const std::string line = "exec env " + command + " >/dev/null 2>'" + errFile + "'";
        const char* argv[] = {"/bin/sh", "-c", line.c_str(), nullptr};
        posix_spawnattr_t attributes;
        ::posix_spawnattr_init(&attributes);
        ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        ::posix_spawnattr_setpgroup(&attributes, 0);
        EXPECT_EQ(::posix_spawn(&pid_, "/bin/sh", nullptr, &attributes, const_cast<char**>(argv),
                                environ),
                  0);
        ::posix_spawnattr_destroy(&attributes);
    }
    // The exit code, or -1 when the tool did not end by itself.
    int wait() const {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool waitUntilStopped() const {
        int status = 0;
        return ::waitpid(pid_, &status, WUNTRACED) == pid_ && WIFSTOPPED(status);
    }
    void kill() const { ::kill(pid_, SIGKILL); }

  private:
    pid_t pid_ = 0;
    std::string errFile_;
};

class TwoWriters : public test::OldSetFolder {
  protected:
    TwoWriters() {
        dir.write("karten.csv", "haus;house\r\nbaum;tree\r\nauto;car\r\nhund;dog\r\nkatze;cat\r\n");
    }

    std::string resaveCommand() const {
        return std::string(MEMVALO_CLI_PATH) + " resave '" + setPath() + "'";
    }
    std::string importCommand() const {
        return std::string(MEMVALO_CLI_PATH) + " import-csv '" + dir.file("karten.csv") + "' '" +
               setPath() + "'";
    }

    // The set a command leaves when it runs alone on the old set.
    SetBytes aloneOnOldSet(const std::string& command) const {
        putOldSet();
        EXPECT_EQ(Running(command, dir.file("err")).wait(), 0) << dir.read("err");
        return setOnDisk();
    }
};

int roundsWanted() {
    const char* rounds = std::getenv("MEMVALO_STRESS_ROUNDS");
    return rounds ? std::atoi(rounds) : 30;
}

TEST_F(TwoWriters, EveryRoundLeavesOneWritersWholeSetAndNoFalseSuccess) {
    const SetBytes resaved = aloneOnOldSet(resaveCommand());
    const SetBytes imported = aloneOnOldSet(importCommand());
    ASSERT_NE(resaved, imported);
    // A resave after the import writes the imported set in the form a save gives it.
    ASSERT_EQ(Running(resaveCommand(), dir.file("err")).wait(), 0) << dir.read("err");
    const SetBytes importedThenResaved = setOnDisk();
    struct Pair {
        const char* name;
        std::string first, second;
        SetBytes firstAlone, secondAlone, secondThenFirst;
    };
    const Pair pairs[] = {
        {"resave/resave", resaveCommand(), resaveCommand(), resaved, resaved, resaved},
        {"resave/import", resaveCommand(), importCommand(), resaved, imported,
         importedThenResaved}};
    const auto giveUpAt = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    for (const Pair& pair : pairs) {
        std::map<std::string, int> outcomes;
        for (int round = 0; round < roundsWanted(); ++round) {
            SCOPED_TRACE(std::string(pair.name) + " round " + std::to_string(round));
            putOldSet();
            const Running a(pair.first, dir.file("err1"));
            const Running b(pair.second, dir.file("err2"));
            const int codeA = a.wait();
            const int codeB = b.wait();
            const SetBytes onDisk = setOnDisk();
            for (const auto& [code, err] :
                 {std::pair{codeA, dir.read("err1")}, std::pair{codeB, dir.read("err2")}}) {
                EXPECT_TRUE(code == 0 || code == 1) << code;
                // A refusal names the other program, never a missing file.
                EXPECT_TRUE(code == 0 || err.find("anderen Programm") != std::string::npos) << err;
            }
            const bool isA = onDisk == pair.firstAlone;
            const bool isB = onDisk == pair.secondAlone;
            const bool isBThenA = onDisk == pair.secondThenFirst;
            EXPECT_TRUE(isA || isB || isBThenA || (onDisk == kOldSet && codeA != 0 && codeB != 0));
            // Whoever succeeded left its set, unless the other one succeeded after it.
            EXPECT_TRUE(codeA != 0 || isA || isBThenA || (codeB == 0 && isB));
            EXPECT_TRUE(codeB != 0 || isB || (codeA == 0 && (isA || isBThenA)));
            EXPECT_FALSE(leftovers());
            ++outcomes[std::to_string(codeA) + std::to_string(codeB) + (isA ? "A" : "") +
                       (isB ? "B" : "") + (isBThenA && !isA ? "BA" : "")];
            if (std::chrono::steady_clock::now() > giveUpAt) break;
        }
        for (const auto& [outcome, count] : outcomes) {
            std::cout << pair.name << " exit codes and set " << outcome << ": " << count << '\n';
        }
    }
}

TEST_F(TwoWriters, AWriterKilledInItsSaveHoldsTheSetOnlyWhileItLivesAndIsRecoveredAfter) {
    const SetBytes resaved = aloneOnOldSet(resaveCommand());
    struct Case {
        const char* op;
        int at;
        bool counted;  // the commit marker was on disk when the writer died
    };
    for (const Case c : {Case{"rename", 2, true}, Case{"fsync", 2, false}}) {
        SCOPED_TRACE(c.op);
        putOldSet();
        const Running stalled("MEMVALO_FAULT_STOP=1 LD_PRELOAD='" MEMVALO_FAULT_INJECTOR
                              "' ASAN_OPTIONS=verify_asan_link_order=0 MEMVALO_FAULT_DIR='" +
                                  dir.path() + "' MEMVALO_FAULT_OP=" + c.op + " MEMVALO_FAULT_AT=" +
                                  std::to_string(c.at) + " " + resaveCommand(),
                              dir.file("err1"));
        ASSERT_TRUE(stalled.waitUntilStopped());
        const SetBytes midSave = setOnDisk();

        // While it lives, nobody reads a half-renamed set or writes the set at all; the old
        // set is read as it is until the save counts.
        const test::CliRun read = test::runCli("check '" + setPath() + "'", dir.file("err2"));
        EXPECT_EQ(read.exitCode, c.counted ? 1 : 0);
        const test::CliRun write = test::runCli("resave '" + setPath() + "'", dir.file("err2"));
        EXPECT_EQ(write.exitCode, 1);
        for (const std::string& err : {read.err, write.err}) {
            EXPECT_TRUE(err.empty() || err.find(kBusy) != std::string::npos) << err;
        }
        EXPECT_EQ(setOnDisk(), midSave);

        // Once it is dead, a reader completes a save that counted; a writer clears the rest.
        stalled.kill();
        EXPECT_EQ(stalled.wait(), -1);
        EXPECT_EQ(test::runCli("check '" + setPath() + "'", dir.file("err2")).exitCode, 0);
        EXPECT_EQ(setOnDisk(), c.counted ? resaved : kOldSet);
        EXPECT_EQ(test::runCli("resave '" + setPath() + "'", dir.file("err2")).exitCode, 0);
        EXPECT_EQ(setOnDisk(), resaved);
        EXPECT_FALSE(leftovers());
    }
}

}  // namespace
}  // namespace memvalo
