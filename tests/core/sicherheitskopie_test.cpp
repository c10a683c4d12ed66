#include "core/sicherheitskopie.h"

#include <cerrno>
#include <filesystem>

#include "support/app_fixture.h"

namespace memvalo {
namespace {

class Sicherheitskopie : public test::AppTest {
  protected:
    Sicherheitskopie() {
        for (const char* ext : {".ldt", ".k02", ".k03", ".k04", ".k05", ".cfg"}) {
            dir.write(std::string("englisch") + ext, std::string("inhalt") + ext);
        }
        app.setPath = dir.file("englisch.ldt");
    }

    std::string backup(const std::string& ext) const { return dir.read("06122026/englisch" + ext); }

    // Real operations, except that the copy of `failing` fails with `error` `times` times.
    BackupFileOps failingCopy(const std::string& failing, int error, int times = 1000) {
        BackupFileOps ops = realBackupFileOps();
        ops.copyFile = [real = ops.copyFile, failing, error, times, calls = 0](
                           const std::string& from, const std::string& to) mutable {
            if (from.ends_with(failing) && calls++ < times)
                return std::error_code(error, std::generic_category());
            return real(from, to);
        };
        return ops;
    }

    static constexpr const char* kDone =
        "Die Datei(en) wurden in das folgende Verzeichnis kopiert:";
};

TEST_F(Sicherheitskopie, CopiesTheFiveBoxFilesIntoTodaysFolderTwiceADay) {
    platform.answers = {Answer::OK, Answer::OK};
    sicherheitskopie(app);
    dir.write("englisch.k02", "neuer");
    sicherheitskopie(app);
    EXPECT_EQ((test::Texts{backup(".ldt"), backup(".k02"), backup(".k05")}),
              (test::Texts{"inhalt.ldt", "neuer", "inhalt.k05"}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("06122026/englisch.cfg")));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].title + ": " + platform.messages[1].text,
              "Hinweis: " + std::string(kDone) + "\r\r" + dir.file("06122026") +
                  "\r\rAm Datum können Sie die jeweils neueste Version erkennen.\r\r"
                  "Achtung: Ältere Backup-Verzeichnisse werden in dieser Version\r\r"
                  "noch NICHT AUTOMATISCH gelöscht. Bemühen Sie daher ab und zu den Explorer.");
}

TEST_F(Sicherheitskopie, AMissingBoxFileEndsTheBackupKeepingEarlierCopies) {
    std::filesystem::remove(dir.file("englisch.k03"));
    platform.answers = {Answer::OK};
    sicherheitskopie(app);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text,
              "...peinlich, peinlich: Ein Fehler beim Erstellen des Backups trat auf");
    EXPECT_EQ(backup(".k02"), "inhalt.k02");
    EXPECT_FALSE(std::filesystem::exists(dir.file("06122026/englisch.k04")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("englisch.k03")));
}

TEST_F(Sicherheitskopie, DiskNotReadyOrFullRetriesOrGivesUp) {
    for (int error : {EROFS, ENOSPC}) {
        platform.messages.clear();
        platform.answers = {Answer::Retry, Answer::OK};
        sicherheitskopie(app, failingCopy(".k04", error, 1));
        EXPECT_EQ(platform.messages[0].title, "Backup klappt nicht so recht...");
        EXPECT_EQ(platform.messages[0].buttons, Buttons::RetryCancel);
        EXPECT_EQ(platform.messages[1].text.rfind(kDone, 0), 0u);
        EXPECT_EQ(backup(".k04"), "inhalt.k04");
    }
    EXPECT_EQ(platform.messages[0].text, "Laufwerk nicht bereit (kein Speicherplatz mehr !)");

    std::filesystem::remove_all(dir.file("06122026"));
    platform.answers = {Answer::Cancel, Answer::OK};
    sicherheitskopie(app, failingCopy(".k02", ENOMEDIUM));
    EXPECT_EQ(platform.messageTexts().back(), "Also aufgeben... Wie Sie wünschen!");
    EXPECT_FALSE(std::filesystem::exists(dir.file("06122026/englisch.k02")));
}

TEST_F(Sicherheitskopie, AnExistingFileIsOverwrittenOnlyOnYes) {
    platform.answers = {Answer::Yes, Answer::OK, Answer::No, Answer::OK};
    sicherheitskopie(app, failingCopy(".k05", EEXIST, 1));
    EXPECT_EQ(platform.messages[0].text, "Datei existiert schon. Überschreiben?");
    EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(backup(".k05"), "inhalt.k05");
    sicherheitskopie(app, failingCopy(".ldt", EEXIST, 1));
    EXPECT_EQ(platform.messageTexts().back(), "Also aufgeben... Wie Sie wünschen!");
}

TEST_F(Sicherheitskopie, PermissionDeniedExplainsAndEnds) {
    platform.answers = {Answer::OK};
    sicherheitskopie(app, failingCopy(".ldt", EACCES));
    EXPECT_EQ(platform.messages[0].title, "Dieser Fehler tritt sehr selten auf....");
    EXPECT_NE(platform.messages[0].text.find("\r                         * einfach weiterarbeiten\r"
                                             "              ODER\r"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("06122026/englisch.ldt")));
}

}  // namespace
}  // namespace memvalo
