// Every system call of a load and a save, failed one at a time inside the real command-line
// tool: each failure is reported with the file it hit, the tool ends with exit code 1, and the
// disk holds the whole old set, or the whole new one once the save had counted.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/set_files.h"
#include "core/set_save_transaction.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace memvalo {
namespace {

namespace fs = std::filesystem;
using SetBytes = std::map<std::string, std::string>;

// A tmpfs folder where there is one: the runs flush to disk hundreds of times.
fs::path fastFolder() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

class FaultInjection : public ::testing::Test {
  protected:
    FaultInjection() : dir(fastFolder()) { fs::create_directory(dir.file("set")); }

    std::string setPath() const { return dir.file("set/satz.ldt"); }

    // Every file in a form the tool rewrites differently, so old and new can be told apart.
    void putOldSet() const {
        for (const auto& [ext, bytes] : kOldSet) dir.write("set/satz" + ext, bytes);
    }

    SetBytes setOnDisk() const {
        SetBytes set;
        for (std::string_view ext : kSetExtensions) {
            set[std::string(ext)] = dir.read("set/satz" + std::string(ext));
        }
        return set;
    }

    bool leftovers() const {
        for (const auto& entry : fs::directory_iterator(dir.file("set"))) {
            if (entry.path().filename().string().back() == '~') return true;
        }
        return false;
    }

    test::CliRun resave(const std::string& op, int at) const {
        const std::string environment = "LD_PRELOAD='" MEMVALO_FAULT_INJECTOR
                                        "' ASAN_OPTIONS=verify_asan_link_order=0 "
                                        "MEMVALO_FAULT_DIR='" +
                                        dir.file("set/") + "' MEMVALO_FAULT_OP=" + op +
                                        " MEMVALO_FAULT_AT=" + std::to_string(at) +
                                        " MEMVALO_FAULT_COUNT='" + dir.file("count") + "'";
        return test::runCli("resave '" + setPath() + "'", dir.file("err"), environment);
    }

    test::CliRun check() const {
        return test::runCli("check '" + setPath() + "'", dir.file("err"));
    }

    const SetBytes kOldSet = {
        {".cfg", "10\r\n20\r\n30\r\n40\r\n50\r\n[k]\r\n5\r\n[k]\r\n\r\n[k]\r\nja\r\n[k]\r\nja\r\n"},
        {".ldt", "1\r\n\"f\",\"a\",\"\",\"\"\r\n01.01.2026\r\n1\r\n\r\n"},
        {".k02", "0 \r\n"},
        {".k03", "0 \r\n"},
        {".k04", "0 \r\n"},
        {".k05", "0\r\n"}};
    test::TempDir dir;
};

TEST_F(FaultInjection, EveryFailedCallIsReportedAndLeavesAWholeSet) {
    putOldSet();
    ASSERT_EQ(resave("", 0).exitCode, 0);
    const SetBytes newSet = setOnDisk();
    putOldSet();
    ASSERT_NE(newSet, setOnDisk());

    for (const char* op : {"open", "read", "write", "shortwrite", "fsync", "rename"}) {
        ASSERT_EQ(resave(op, 0).exitCode, 0);
        const int calls = std::stoi(dir.read("count"));
        EXPECT_GE(calls, 6) << op;
        for (int at = 1; at <= calls; ++at) {
            SCOPED_TRACE(std::string(op) + " " + std::to_string(at));
            putOldSet();
            const test::CliRun run = resave(op, at);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_NE(run.err.find(" " + dir.file("set/")), std::string::npos) << run.err;
            EXPECT_NE(run.err.find(" werden ("), std::string::npos) << run.err;
            const bool committed = fs::exists(commitMarkerOf(dir.file("set/satz")));
            const SetBytes afterFault = setOnDisk();
            EXPECT_TRUE(committed || afterFault == kOldSet || afterFault == newSet);

            // Opening the set completes a save that had counted and clears away the rest.
            EXPECT_EQ(check().exitCode, 0);
            const SetBytes reopened = setOnDisk();
            EXPECT_TRUE(reopened == (committed ? newSet : afterFault));
            EXPECT_FALSE(leftovers());
        }
    }
}

}  // namespace
}  // namespace memvalo
