// One set open in two windows (two Apps here: their claims are apart as two processes' are).
// The second window is warned when it opens the set; when both save, the later save asks.
#include <fstream>

#include "core/platte_an_speicher.h"
#include "core/speicher_an_platte.h"
#include "files/open_set.h"
#include "files/save_commands.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

constexpr std::string_view kOpenElsewhere = "in einem anderen Memvalo-Fenster geöffnet";
constexpr std::string_view kChangedElsewhere = "von einem anderen Programm geändert";

class TwoWindows : public DataFolderTest, public ::testing::WithParamInterface<Answer> {
  protected:
    TwoWindows() {
        std::ofstream(app.paths.settingsFile) << "";
        second.paths = app.paths;
        writeSet(setPath(), {{card("Haus", "house")}});
    }
    void TearDown() override {
        DataFolderTest::TearDown();
        EXPECT_TRUE(platform2.answers.empty());
        EXPECT_TRUE(platform2.fileAnswers.empty());
    }
    std::string setPath() const { return dir.file("satz.ldt"); }
    static void open(App& window, ScriptedPlatform& p, const std::string& path) {
        p.fileAnswers = {path};
        mnudatöffnen_Click(window);
    }
    static void typeAndSave(App& window, const std::string& frage) {
        window.frm1.txtfrage.caption = frage;
        mnudatspeichern_Click(window);
    }
    static bool told(const ScriptedPlatform& p, std::string_view text) {
        return !p.messages.empty() && p.messages.back().text.find(text) != std::string::npos;
    }

    ScriptedPlatform platform2;
    App second{platform2};
};

// Nor does a program that wrote the same bytes again (a sync tool, a resave) make it ask.
TEST_F(TwoWindows, OneWindowReopensAndSavesItsSetWithoutAQuestion) {
    open(app, platform, setPath());
    open(app, platform, setPath());
    second.setPath = setPath();
    ASSERT_EQ(platte_an_speicher(second), LoadResult::Loaded);
    ASSERT_TRUE(speicher_an_platte(second));
    typeAndSave(app, "Hof");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(questionsOnDisk(setPath(), 1), Texts{"Hof"});
}

TEST_F(TwoWindows, TheSecondWindowIsWarnedAndOpensTheSetOnlyWhenTheLearnerWants) {
    open(app, platform, setPath());
    platform2.answers = {Answer::No};
    open(second, platform2, setPath());
    EXPECT_TRUE(told(platform2, kOpenElsewhere));
    EXPECT_EQ(platform2.messages.back().buttons, Buttons::YesNo);
    EXPECT_TRUE(second.setPath.empty());

    platform2.answers = {Answer::Yes};
    open(second, platform2, setPath());
    EXPECT_EQ(second.setPath, setPath());
}

TEST_P(TwoWindows, TheLaterSaveAsksWhetherToReplaceTheOtherWindowsChanges) {
    open(app, platform, setPath());
    platform2.answers = {Answer::Yes};
    open(second, platform2, setPath());
    typeAndSave(app, "Hof");
    EXPECT_TRUE(platform.messages.empty());

    platform2.answers = {GetParam()};
    if (GetParam() == Answer::No) platform2.fileAnswers = {dir.file("anders.ldt")};
    typeAndSave(second, "Heim");
    EXPECT_TRUE(told(platform2, kChangedElsewhere));
    EXPECT_EQ(platform2.messages.back().buttons, Buttons::YesNoCancel);
    const Texts onDisk = questionsOnDisk(setPath(), 1);
    EXPECT_EQ(onDisk, GetParam() == Answer::Yes ? Texts{"Heim"} : Texts{"Hof"});
    if (GetParam() == Answer::No) {
        EXPECT_EQ(questionsOnDisk(dir.file("anders.ldt"), 1), Texts{"Heim"});
        EXPECT_EQ(second.setPath, dir.file("anders.ldt"));
    }
    // Having replaced it, or moved away, the window saves again without a question.
    if (GetParam() != Answer::Cancel) {
        const std::size_t shown = platform2.messages.size();
        typeAndSave(second, "Heimat");
        EXPECT_EQ(platform2.messages.size(), shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, TwoWindows,
                         ::testing::Values(Answer::Yes, Answer::No, Answer::Cancel));

}  // namespace
}  // namespace memvalo::test
