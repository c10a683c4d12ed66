#include "core/set_save_transaction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/set_files.h"
#include "support/temp_dir.h"

namespace memvalo {
namespace {

struct Crash {};

class SetSaveTransaction : public ::testing::Test {
  protected:
    std::string base(const std::string& name = "englisch") const { return dir.path() + name; }

    static std::vector<SetFileContent> contents(const std::string& tag) {
        std::vector<SetFileContent> files;
        for (std::string_view ext : kSetExtensions) {
            files.push_back({ext, tag + std::string(ext) + "\r\n"});
        }
        return files;
    }

    // "old", "new", "none" when the whole set is in that state, "mix" otherwise.
    std::string stateOnDisk(const std::string& set = "englisch") const {
        std::string state;
        for (std::string_view ext : kSetExtensions) {
            const std::string name = set + std::string(ext);
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

    // Saves the new set, crashing or failing for want of space at step k, and opens the set
    // again.
    std::string breakAtStepAndReopen(int k, bool crash) {
        int step = 0;
        const auto ops = [&](SaveStep, const std::string&) -> std::error_code {
            if (++step != k) return {};
            if (crash) throw Crash{};
            return std::make_error_code(std::errc::no_space_on_device);
        };
        if (crash) {
            EXPECT_THROW(saveSetFiles(base(), contents("new"), ops), Crash);
        } else {
            EXPECT_EQ(saveSetFiles(base(), contents("new"), ops).code,
                      std::errc::no_space_on_device);
        }
        EXPECT_FALSE(recoverSetFiles(base()));
        EXPECT_TRUE(leftovers().empty());
        return stateOnDisk();
    }

    test::TempDir dir;
};

TEST_F(SetSaveTransaction, ACrashOrFailureAtAnyStepLeavesTheOldOrTheNewSetAfterTheNextOpen) {
    const int steps = countSteps();
    ASSERT_GE(steps, 20);
    bool sawOld = false;
    bool sawNew = false;
    for (int k = 1; k <= steps; ++k) {
        SCOPED_TRACE(k);
        for (const bool crash : {true, false}) {
            ASSERT_FALSE(saveSetFiles(base(), contents("old")));
            const std::string state = breakAtStepAndReopen(k, crash);
            EXPECT_TRUE(state == "old" || state == "new") << state;
            sawOld = sawOld || (!crash && state == "old");
            sawNew = sawNew || (!crash && state == "new");
        }

        // The same crash in the very first save of a set leaves no set or a whole one.
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directories(dir.path());
        const std::string first = breakAtStepAndReopen(k, true);
        EXPECT_TRUE(first == "none" || first == "new") << first;
    }
    EXPECT_TRUE(sawOld && sawNew) << "a failure early keeps the old set, one late the new";
}

// Sets saved together share their flushes; each set still goes from old to new as a whole.
TEST_F(SetSaveTransaction, SetsSavedTogetherAreEachOldOrNewAfterACrashAtAnyStep) {
    const auto saveBoth = [&](const SaveStepHook& hook) {
        return saveSetsTogether({{base(), contents("new")}, {base("franz"), contents("new")}},
                                hook);
    };
    int steps = 0;
    const auto crashAt = [&](int k) {
        return [&steps, k](SaveStep, const std::string&) -> std::error_code {
            if (++steps == k) throw Crash{};
            return {};
        };
    };
    ASSERT_FALSE(saveBoth(crashAt(0)));
    const int all = steps;
    ASSERT_GE(all, 30);
    std::set<std::string> addedStates;
    for (int k = 1; k <= all; ++k) {
        SCOPED_TRACE(k);
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directories(dir.path());
        ASSERT_FALSE(saveSetFiles(base(), contents("old")));
        steps = 0;
        EXPECT_THROW(saveBoth(crashAt(k)), Crash);
        EXPECT_FALSE(recoverSetFiles(base()));
        EXPECT_FALSE(recoverSetFiles(base("franz")));
        EXPECT_TRUE(leftovers().empty());
        const std::string replaced = stateOnDisk();
        const std::string added = stateOnDisk("franz");
        EXPECT_TRUE(replaced == "old" || replaced == "new") << replaced;
        EXPECT_TRUE(added == "none" || added == "new") << added;
        addedStates.insert(added);
    }
    EXPECT_EQ(addedStates, (std::set<std::string>{"new", "none"}));
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
