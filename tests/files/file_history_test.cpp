#include "files/history_menu.h"

#include <filesystem>

#include "support/app_fixture.h"

namespace memvalo {
namespace {

class FileHistoryTest : public test::DataFolderTest {
  protected:
    std::string set(int n) {
        const std::string name = "set" + std::to_string(n) + ".ldt";
        dir.write(name, " 0 \r\n");
        return dir.file(name);
    }
    void refresh(const std::string& setPath) {
        app.setPath = setPath;
        verlauf_aktualisieren(app);
    }
    std::string onDisk() const { return dir.read("data/memvalo/dateiliste.lis"); }
    const FileHistory& history = app.files.verlauf;
};

TEST_F(FileHistoryTest, TheNinthSetPushesTheOldestOut) {
    for (int i = 1; i <= 9; ++i) refresh(set(i));
    refresh(dir.file("set5.ldt"));  // already listed: stays put
    std::string expected;
    for (int i = 2; i <= 9; ++i) {
        EXPECT_EQ(history.entry(i - 1), dir.file("set" + std::to_string(i) + ".ldt"));
        expected += dir.file("set" + std::to_string(i) + ".ldt") + "\r\n";
    }
    EXPECT_EQ(onDisk(), expected);
    EXPECT_EQ(app.frm1.lblinidir.caption, dir.file("set9.ldt"));  // the newest entry
}

TEST_F(FileHistoryTest, VanishedSetsDropOutAndTheOthersCloseUp) {
    for (int i = 1; i <= 3; ++i) refresh(set(i));
    std::filesystem::remove(dir.file("set2.ldt"));
    refresh("");
    EXPECT_EQ(history.count(), 2);
    EXPECT_TRUE(!app.frm1.m[3].visible && app.frm1.m[3].caption.empty());
    EXPECT_EQ(onDisk(), dir.file("set1.ldt") + "\r\n" + dir.file("set3.ldt") + "\r\n");
}

TEST_F(FileHistoryTest, TheMenuShowsShortenedCaptionsAndHidesAnEmptyHistory) {
    refresh("");
    EXPECT_FALSE(app.frm1.mnuhistorie.visible || app.frm1.mnustrich.visible);
    std::filesystem::create_directories(dir.file("ein/sehr/langer/ordnername"));
    dir.write("ein/sehr/langer/ordnername/vokabeln.ldt", "");
    refresh(dir.file("ein/sehr/langer/ordnername/vokabeln.ldt"));
    EXPECT_TRUE(app.frm1.mnuhistorie.visible && app.frm1.m[1].visible);
    EXPECT_LE(app.frm1.m[1].caption.size(), 36u);
    EXPECT_NE(app.frm1.m[1].caption.find("..."), std::string::npos);
}

TEST_F(FileHistoryTest, ReadsOldFilesWithBlankLinesAndWindowsBytes) {
    dir.write("Übung.ldt", "");
    dir.write("data/memvalo/dateiliste.lis", "\r\n" + dir.path() +
                                                 "\xDC"
                                                 "bung.ldt  \r\n");
    refresh("");
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(history.entry(1), dir.file("Übung.ldt"));
}

TEST_F(FileHistoryTest, AnUnreadableListIsReportedOnceAndNeverWrittenOver) {
    refresh(set(1));
    std::filesystem::remove(app.paths.historyFile);
    std::filesystem::create_directories(app.paths.historyFile + "/inhalt");
    platform.answers = {Answer::OK};
    refresh(set(2));
    refresh(set(3));
    EXPECT_EQ(
        platform.messageTexts(),
        test::Texts{"Die Liste der zuletzt benutzten Lerndateien kann nicht gelesen werden:\r"
                    "Die Datei " +
                    app.paths.historyFile + " kann nicht gelesen werden (dort steht ein Ordner)."});
    EXPECT_EQ(history.count(), 3);
    EXPECT_TRUE(std::filesystem::is_directory(app.paths.historyFile + "/inhalt"));
}

}  // namespace
}  // namespace memvalo
