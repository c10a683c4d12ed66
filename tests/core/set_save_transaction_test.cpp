#include "core/set_save_transaction.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/set_files.h"
#include "support/temp_dir.h"

namespace memvalo {
namespace {

struct Crash {};

class SetSaveTransaction : public ::testing::Test {
  protected:
    std::string base() const { return dir.path() + "englisch"; }

    static std::vector<SetFileContent> contents(const std::string& tag) {
        std::vector<SetFileContent> files;
        for (std::string_view ext : kSetExtensions) {
            files.push_back({ext, tag + std::string(ext) + "\r\n"});
        }
        return files;
    }

    // "old", "new", "none" when the whole set is in that state, "mix" otherwise.
    std::string stateOnDisk() const {
        std::string state;
        for (std::string_view ext : kSetExtensions) {
            const std::string name = "englisch" + std::string(ext);
            std::string one = "none";
            if (std::filesystem::exists(dir.file(name))) one = dir.read(name).substr(0, 3);
            if (state.empty()) state = one;
            if (state != one) return "mix";
        }
        return state;
    }

    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name.back() == '~') names.push_back(name);
        }
        return names;
    }

    int countSteps() {
        int steps = 0;
        EXPECT_FALSE(saveSetFiles(base(), contents("old"), [&](SaveStep, const std::string&) {
            ++steps;
            return std::error_code{};
        }));
        return steps;
    }

    // Saves the new set, crashing at step k, and opens the set again.
    std::string crashAtStepAndReopen(int k) {
        int step = 0;
        EXPECT_THROW(saveSetFiles(base(), contents("new"),
                                  [&](SaveStep, const std::string&) -> std::error_code {
                                      if (++step == k) throw Crash{};
                                      return {};
                                  }),
                     Crash);
        EXPECT_FALSE(recoverSetFiles(base()));
        EXPECT_TRUE(leftovers().empty());
        return stateOnDisk();
    }

    test::TempDir dir;
};

TEST_F(SetSaveTransaction, ACrashAtAnyStepLeavesTheOldOrTheNewSetAfterTheNextOpen) {
    const int steps = countSteps();
    ASSERT_GE(steps, 20);
    for (int k = 1; k <= steps; ++k) {
        SCOPED_TRACE(k);
        ASSERT_FALSE(saveSetFiles(base(), contents("old")));
        const std::string state = crashAtStepAndReopen(k);
        EXPECT_TRUE(state == "old" || state == "new") << state;

        // The same crash in the very first save of a set leaves no set or a whole one.
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directories(dir.path());
        const std::string first = crashAtStepAndReopen(k);
        EXPECT_TRUE(first == "none" || first == "new") << first;
    }
}

TEST_F(SetSaveTransaction, AFailedStepIsReportedAndNeverLeavesAMix) {
    const int steps = countSteps();
    bool sawOld = false;
    bool sawNew = false;
    for (int k = 1; k <= steps; ++k) {
        SCOPED_TRACE(k);
        ASSERT_FALSE(saveSetFiles(base(), contents("old")));
        int step = 0;
        const std::error_code ec = saveSetFiles(
            base(), contents("new"), [&](SaveStep, const std::string&) -> std::error_code {
                return ++step == k ? std::make_error_code(std::errc::no_space_on_device)
                                   : std::error_code{};
            });
        EXPECT_EQ(ec, std::errc::no_space_on_device);
        EXPECT_FALSE(recoverSetFiles(base()));
        const std::string state = stateOnDisk();
        EXPECT_TRUE(state == "old" || state == "new") << state;
        sawOld = sawOld || state == "old";
        sawNew = sawNew || state == "new";
        EXPECT_TRUE(leftovers().empty());
    }
    EXPECT_TRUE(sawOld && sawNew);
}

TEST_F(SetSaveTransaction, ReplacedFilesKeepTheirPermissions) {
    ASSERT_FALSE(saveSetFiles(base(), contents("old")));
    namespace fs = std::filesystem;
    fs::permissions(base() + ".ldt", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(saveSetFiles(base(), contents("new")));
    EXPECT_EQ(fs::status(base() + ".ldt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(stateOnDisk(), "new");
}

}  // namespace
}  // namespace memvalo
