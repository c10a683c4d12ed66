// Every system call of a load and a save, failed one at a time inside the real command-line
// tool: each failure is reported with the file it hit, the tool ends with exit code 1, and the
// disk holds the whole old set, or the whole new one once the save had counted.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/set_files.h"
#include "core/set_save_transaction.h"
#include "support/cli_run.h"
#include "support/old_set_folder.h"

namespace memvalo {
namespace {

using test::SetBytes;

class FaultInjection : public test::OldSetFolder {
  protected:
    FaultInjection() : OldSetFolder("set/") {}

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
            const bool committed = std::filesystem::exists(commitMarkerOf(dir.file("set/satz")));
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
