#include "core/db_update.h"

#include <filesystem>

#include "core/platte_an_speicher.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

class DbUpdate : public test::AppTest {
  protected:
    DbUpdate() {
        dir.write("alt.ldt", "kursdatenbank\r\n100\r\n200\r\n300\r\n400\r\n500\r\n2\r\n" +
                                 card("Zeile 1~^Zeile 2", std::string(800, 'a')) +
                                 "01.02.1999\r\n\r\n" + card("Er sagte \"ja\"   ", "x") +
                                 "03.04,1999\r\n2,5\r\n");
        dir.write("alt.k02", "1\r\n" + card("&#26085; &#38;#26085;", "b") +
                                 "01.01.1999\r\n02.01.1999\r\n1\r\n");
        dir.write("alt.k03", "0\r\n");
        dir.write("alt.k04", "0\r\n");
        dir.write("alt.k05", "7\r\n0\r\n");
        app.setPath = dir.file("alt.ldt");
    }

    static std::string card(const std::string& frage, const std::string& antwort) {
        return frage + "\r\n" + antwort + "\r\n" + std::string(120, 'z') + "\r\n\r\n";
    }

    static constexpr const char* kQuestionStart =
        "Ihre Datenbank wurde noch in einem älteren Format abgespeichert\rWenn Sie";
};

TEST_F(DbUpdate, ConvertsAfterBackingUpAndLoadsTheConvertedSet) {
    const std::string oldLdt = dir.read("alt.ldt");
    platform.answers = {Answer::OK, Answer::OK, Answer::OK};
    EXPECT_EQ(platte_an_speicher(app), LoadResult::Loaded);
    EXPECT_EQ(platform.messages[0].text.rfind(kQuestionStart, 0), 0u);
    EXPECT_EQ(platform.messages[0].buttons, Buttons::OKCancel);
    EXPECT_EQ(platform.messages[1].text,
              "Ihre Daten werden gesichert in: \r" + dir.path() + "backup/alt.ldt");
    EXPECT_EQ(platform.messages[2].text, "Konvertierung beendet!");
    EXPECT_EQ(dir.read("backup/alt.ldt"), oldLdt);
    EXPECT_EQ(dir.read("backup/alt.k05"), "7\r\n0\r\n");
    EXPECT_EQ(app.frm1.progress.value, 20);

    const Box& box1 = app.store.k(1);
    ASSERT_EQ(box1.anz, 2);
    // Fields holding commas, and texts that look like character references, come back as
    // they stood in the old files.
    const CardRecord& k2 = app.store.k(2)[1];
    EXPECT_EQ((test::Texts{box1[1].frage, box1[1].antwort, box1[1].zusatz1, box1[1].falsch.text(),
                           box1[2].frage, box1[2].erstellt.text(), box1[2].falsch.text(),
                           box1[2].medium, k2.frage, k2.kasten_am[0].text()}),
              (test::Texts{"Zeile 1\r\nZeile 2", std::string(700, 'a'), std::string(100, 'z'),
                           "0         ", "Er sagte \xC2\xA8ja\xC2\xA8", "03.04,1999", "2,5       ",
                           "", "&#26085; &#38;#26085;", "02.01.1999"}));
    EXPECT_EQ(app.store.soll, (std::array<int, 5>{100, 200, 300, 400, 500}));
    EXPECT_EQ(app.kasten5_beantwortet, 7);
    EXPECT_EQ(dir.read("alt.k03"), "0\r\n");
    EXPECT_EQ(dir.read("alt.ldt").substr(0, 5), " 2 \r\n");

    EXPECT_EQ(platte_an_speicher(app), LoadResult::Loaded);
    EXPECT_EQ(platform.messages.size(), 3u);
}

TEST_F(DbUpdate, CancelLeavesEverythingAsItWasAndAsksForANewSet) {
    const std::string oldLdt = dir.read("alt.ldt");
    platform.answers = {Answer::Cancel};
    EXPECT_EQ(platte_an_speicher(app), LoadResult::NewSetWanted);
    EXPECT_EQ(dir.read("alt.ldt"), oldLdt);
    EXPECT_FALSE(std::filesystem::exists(dir.file("alt.cfg")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("backup")));
}

// A folder whose "backup" is the folder itself would get copies onto the originals; a set in
// any other folder named so is converted with its backup beneath.
TEST_F(DbUpdate, OnlyASetInItsOwnBackupFolderCannotBeConverted) {
    std::filesystem::create_directories(dir.file("selbst"));
    std::filesystem::create_directory_symlink(".", dir.file("selbst/backup"));
    std::filesystem::copy_file(dir.file("alt.ldt"), dir.file("selbst/alt.ldt"));
    app.setPath = dir.file("selbst/alt.ldt");
    platform.answers = {Answer::OK, Answer::OK, Answer::OK};
    EXPECT_EQ(platte_an_speicher(app), LoadResult::NewSetWanted);
    EXPECT_EQ(platform.messages[1].text, "Aus dem Verzeichnis " + dir.path() +
                                             "selbst/ heraus können Sie die Dateien nicht laden!\r"
                                             "Kopieren Sie sie in ein anderes Verzeichnis!");
    EXPECT_EQ(platform.messages[1].title, "Datenbankupdate so nicht möglich");
    EXPECT_EQ(platform.messages[2].text, "Konvertierung fehlgeschlagen!");
    EXPECT_EQ(app.markierung, "");

    const std::string oldLdt = dir.read("alt.ldt");
    std::filesystem::create_directories(dir.file("Backup"));
    std::filesystem::copy_file(dir.file("alt.ldt"), dir.file("Backup/alt.ldt"));
    app.setPath = dir.file("Backup/alt.ldt");
    platform.answers = {Answer::OK, Answer::OK, Answer::OK};
    EXPECT_EQ(platte_an_speicher(app), LoadResult::Loaded);
    EXPECT_EQ(dir.read("Backup/backup/alt.ldt"), oldLdt);
}

TEST_F(DbUpdate, ABrokenOldSetIsReportedAndLeftUnchanged) {
    dir.write("alt.k02", "501\r\n");
    platform.answers = {Answer::OK, Answer::OK};
    platform.errorChoices = {ErrorChoice::Leave};
    EXPECT_EQ(db_update(app, dir.file("alt"), dir.path(), "alt.ldt"), UpdateResult::Impossible);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0].procedure, "db_update");
    EXPECT_EQ(dir.read("alt.ldt").substr(0, 13), "kursdatenbank");
    EXPECT_FALSE(std::filesystem::exists(dir.file("alt.cfg")));
}

}  // namespace
}  // namespace memvalo
