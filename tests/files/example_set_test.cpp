#include "files/example_set.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/save_commands.h"
#include "settings/settings_file.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

class ExampleSetTest : public DataFolderTest {
  protected:
    ExampleSetTest() {
        app.paths.programFolder = MEMVALO_RESOURCES;
        writeSettings(app);
    }
};

// The shipped example opens as the learner's own copy, with its picture and sound beside it,
// and a copy the learner has worked on is never replaced.
TEST_F(ExampleSetTest, OpensACopyInTheDataFolderAndKeepsTheLearnersChanges) {
    mnubeispiel_Click(app);
    const std::string copy = exampleCopyPath(app);
    ASSERT_EQ(app.setPath, copy) << (platform.messages.empty() ? "" : platform.messages[0].text);
    EXPECT_TRUE(platform.messages.empty());
    int cards = 0;
    int withMedia = 0;
    for (int box = 1; box <= 5; ++box) {
        const Box& k = app.store.k(box);
        EXPECT_GT(k.anz, 0) << "box " << box;
        cards += k.anz;
        for (int slot = 1; slot <= k.anz; ++slot) {
            const std::string& medium = k[slot].medium;
            if (medium.empty()) continue;
            ++withMedia;
            EXPECT_EQ(medium.rfind(GetPathOrFileName(copy, true), 0), 0u) << medium;
            EXPECT_TRUE(std::filesystem::is_regular_file(medium)) << medium;
        }
    }
    EXPECT_GE(cards, 35);
    EXPECT_EQ(withMedia, 2);

    app.frm1.txtfrage.caption = "eigene Frage";
    app.frm1.txtantwort.caption = "own answer";
    mnudatspeichern_Click(app);
    mnubeispiel_Click(app);
    EXPECT_EQ(questionsOnDisk(copy, 1).front(), "eigene Frage");
    EXPECT_EQ(app.frm1.txtfrage.caption, "eigene Frage");
}

}  // namespace
}  // namespace memvalo::test
