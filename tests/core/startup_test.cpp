#include "core/startup.h"

#include <filesystem>

#include "core/paths.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

using ProgramPathsTest = test::AppTest;

TEST_F(ProgramPathsTest, FirstStartCreatesTheDataFolder) {
    ASSERT_TRUE(Main(app, dir.file("bin/memvalo")));
    EXPECT_EQ(app.paths.exeName, "memvalo");
    EXPECT_EQ(app.paths.programFolder + "|" + app.paths.dataFolder,
              dir.file("bin/") + "|" + dir.file("data/memvalo/"));
    EXPECT_TRUE(std::filesystem::is_directory(app.paths.dataFolder));
    EXPECT_EQ(app.paths.version.rfind("Version ", 0), 0u);
    EXPECT_TRUE(platform.messages.empty());

    std::filesystem::create_directories(dir.file("usr/share/memvalo"));
    EXPECT_EQ(programFolderFor(dir.file("usr/bin/memvalo")), dir.file("usr/share/memvalo/"))
        << "an installed program finds its shared files";
}

TEST_F(ProgramPathsTest, NoDataFolderEndsTheProgramWithAMessage) {
    dir.write("blocked", "a file where the folder should be");
    platform.dataHomeFolder = dir.file("blocked");
    platform.answers = {Answer::OK};
    EXPECT_FALSE(Main(app, dir.file("bin/memvalo")));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text,
              "Error: Can't find app data path. Program aborted....");
    EXPECT_EQ(platform.messages[0].icon, Icon::Critical);
}

}  // namespace
}  // namespace memvalo
