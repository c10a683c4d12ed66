#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/platte_an_speicher.h"
#include "core/set_files.h"
#include "core/speicher_an_platte.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo {
namespace {

class LearningSetLoadSave : public test::AppTest {
  protected:
    static CardRecord card(const std::string& frage, int box) {
        CardRecord r;
        r.frage = frage;
        r.antwort = "Antwort zu " + frage + ",\r\nzweite Zeile";
        r.erstellt = "01.02.2026";
        for (int i = 0; i < CardRecord::datesOfBox(box); ++i) r.kasten_am[i] = "03.04.2026";
        r.falsch = "1";
        return r;
    }

    // A set with `perBox` cards in every box, saved as dir/name.ldt.
    void saveSet(App& target, const std::string& name, int perBox) {
        for (int box = 1; box <= 5; ++box) {
            for (int i = 0; i < perBox; ++i) {
                target.store.k(box).append(card(name + std::to_string(box * 100 + i), box));
            }
        }
        for (int i = 0; i < 5; ++i) target.frm1.txtazsoll[i].caption = std::to_string(10 * (i + 1));
        target.setPath = dir.file(name + ".ldt");
        ASSERT_TRUE(speicher_an_platte(target));
    }

    std::map<std::string, std::string> filesOnDisk() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            if (entry.is_regular_file())
                files[entry.path().string()] = dir.read(entry.path().filename());
        }
        return files;
    }
};

TEST_F(LearningSetLoadSave, ASavedSetLoadsBackIntoStoreAndWindow) {
    test::ScriptedPlatform otherPlatform;
    App writer(otherPlatform);
    writer.kasten5_beantwortet = 4;
    writer.settings.mediaPfad = "/medien";
    writer.frm1.mnuzeigbild.checked = true;
    saveSet(writer, "set", 3);
    EXPECT_EQ(writer.settings.letzteDatei, dir.file("set.ldt"));

    app.frm1.mnuzeigbild.enabled = false;
    app.frm1.mnunixbild.checked = true;
    app.setPath = dir.file("set.ldt");
    EXPECT_EQ(platte_an_speicher(app), LoadResult::Loaded);
    for (int box = 1; box <= 5; ++box) {
        ASSERT_EQ(app.store.k(box).anz, 3);
        for (int slot = 1; slot <= 3; ++slot) {
            EXPECT_EQ(app.store.k(box)[slot], writer.store.k(box)[slot]);
        }
        EXPECT_EQ(app.store.ist[box - 1], 3);
        EXPECT_EQ(app.frm1.lblazist[box - 1].caption, "3");
        EXPECT_EQ(app.store.soll[box - 1], 10 * box);
        EXPECT_EQ(app.frm1.txtazsoll[box - 1].caption, std::to_string(10 * box));
    }
    EXPECT_EQ(std::tuple(app.store.k(3).pos, app.kasten5_beantwortet, app.settings.mediaPfad),
              std::tuple(3, 4, "/medien"));
    EXPECT_EQ(std::tuple(app.frm1.mnuzeigbild.checked, app.frm1.mnuzeigbild.enabled,
                         app.frm1.mnunixbild.checked),
              std::tuple(true, true, false));

    const auto before = filesOnDisk();
    ASSERT_TRUE(speicher_an_platte(app));
    EXPECT_EQ(filesOnDisk(), before);
}

TEST_F(LearningSetLoadSave, ARefusedSetLeavesMemoryAndDiskAsTheyWere) {
    saveSet(app, "alt", 2);
    test::ScriptedPlatform otherPlatform;
    App other(otherPlatform);
    saveSet(other, "kaputt", 5);
    const std::string k03 = dir.read("kaputt.k03");
    dir.write("kaputt.k03", k03.substr(0, k03.size() / 2));
    dir.write("zuviel.ldt", " 2001 \r\n");
    dir.write("bild.ldt", std::string("GIF89a\x01\x00\x81", 9) + std::string(300, 'x'));
    saveSet(other, "ordner", 1);
    std::filesystem::remove(dir.file("ordner.cfg"));
    std::filesystem::create_directory(dir.file("ordner.cfg"));
    // Far more than 2000 cards can fill; sparse, so it takes no room on disk.
    std::filesystem::create_directory(dir.file("gross"));
    dir.write("gross/riesig.ldt", " 1 \r\n");
    std::filesystem::resize_file(dir.file("gross/riesig.ldt"), std::uintmax_t{600} << 20);
    const auto disk = filesOnDisk();

    // Of a file that is no learning set only a short readable excerpt is quoted.
    const std::pair<const char*, std::string> refused[] = {
        {"kaputt.ldt", dir.file("kaputt.k03") + " ist unvollständig.\rZeile "},
        {"zuviel.ldt", "2001 Karten"},
        {"fehlt.ldt", "fehlt.ldt wurde nicht gefunden"},
        {"bild.ldt", "steht dort \"GIF89a…\"."},
        {"ordner.ldt", "Die Datei " + dir.file("ordner.cfg") +
                           " kann nicht gelesen werden (dort steht ein Ordner).\rDie Lerndatei "
                           "wurde nicht geöffnet; ihre Dateien bleiben unverändert."},
        {"gross/riesig.ldt",
         "Die Datei " + dir.file("gross/riesig.ldt") + " ist zu groß: Sie hat mehr als 512 MB"}};
    for (const auto& [name, told] : refused) {
        platform.answers = {Answer::OK};
        app.setPath = dir.file(name);
        EXPECT_EQ(platte_an_speicher(app), LoadResult::Refused);
        EXPECT_NE(platform.messages.back().text.find(told), std::string::npos)
            << platform.messages.back().text;
    }
    EXPECT_EQ(platform.messages[3].text.find("xxx"), std::string::npos);
    EXPECT_EQ(platform.messages[0].title, "Lerndatei nicht lesbar");

    for (int box = 1; box <= 5; ++box) {
        EXPECT_EQ(app.store.k(box).anz, 2);
        EXPECT_EQ(app.store.k(box)[1].frage, "alt" + std::to_string(box * 100));
    }
    EXPECT_EQ(filesOnDisk(), disk);
}

TEST_F(LearningSetLoadSave, MissingBoxAndOptionFilesOpenEmptyAfterAMessage) {
    saveSet(app, "set", 1);
    std::filesystem::remove(dir.file("set.k04"));
    std::filesystem::remove(dir.file("set.cfg"));
    platform.answers = {Answer::OK};
    EXPECT_EQ(platte_an_speicher(app), LoadResult::Loaded);
    EXPECT_EQ(platform.messages[0].text, "Die Datei " + dir.file("set.cfg") +
                                             " fehlt; es gelten die Vorgaben.\rDie Datei " +
                                             dir.file("set.k04") + " fehlt; Kasten 4 bleibt leer.");
    EXPECT_EQ(app.store.k(4).anz, 0) << "the card in memory is gone";
    EXPECT_EQ(app.store.k(5).anz, 1);
    EXPECT_EQ(app.store.soll, CardStore::kDefaultSoll);
    EXPECT_FALSE(std::filesystem::exists(dir.file("set.k04")));
}

TEST_F(LearningSetLoadSave, LinkedSetFilesStayLinksAndTheFilesTheyNameGetTheNewSet) {
    namespace fs = std::filesystem;
    saveSet(app, "set", 1);
    fs::create_directory(dir.file("alle"));
    for (std::string_view ext : kSetExtensions) {
        fs::create_symlink("../set" + std::string(ext), dir.file("alle/set" + std::string(ext)));
    }
    fs::create_directory(dir.file("nur-ldt"));
    fs::create_symlink(dir.file("set.ldt"), dir.file("nur-ldt/set.ldt"));

    app.setPath = dir.file("alle/set.ldt");
    ASSERT_EQ(platte_an_speicher(app), LoadResult::Loaded);
    app.store.k(2).append(card("neu", 2));
    ASSERT_TRUE(speicher_an_platte(app));
    for (std::string_view ext : kSetExtensions) {
        EXPECT_TRUE(fs::is_symlink(dir.file("alle/set" + std::string(ext)))) << ext;
    }
    EXPECT_EQ(test::questionsOnDisk(dir.file("set.ldt"), 2),
              (std::vector<std::string>{"set200", "neu"}));

    // The other files of a set are looked for beside the path as given, never beside the
    // file a link names.
    platform.answers = {Answer::OK};
    app.setPath = dir.file("nur-ldt/set.ldt");
    ASSERT_EQ(platte_an_speicher(app), LoadResult::Loaded);
    EXPECT_EQ(app.store.k(2).anz, 0);
    app.store.k(1).append(card("auch neu", 1));
    ASSERT_TRUE(speicher_an_platte(app));
    EXPECT_TRUE(fs::is_symlink(dir.file("nur-ldt/set.ldt")));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.file("nur-ldt/set.k02"))));
    EXPECT_EQ(test::questionsOnDisk(dir.file("set.ldt"), 1),
              (std::vector<std::string>{"set100", "auch neu"}));
    EXPECT_EQ(test::questionsOnDisk(dir.file("set.ldt"), 2),
              (std::vector<std::string>{"set200", "neu"}));
}

TEST_F(LearningSetLoadSave, FailedSavesTellTheUserAndKeepTheOldFiles) {
    saveSet(app, "set", 1);
    const auto disk = filesOnDisk();
    app.store.k(1).append(card("neu", 1));
    platform.answers = {Answer::OK, Answer::OK, Answer::OK};
    EXPECT_FALSE(speicher_an_platte(app, [](SaveStep s, const std::string&) {
        return s == SaveStep::Sync ? std::make_error_code(std::errc::io_error) : std::error_code{};
    }));
    EXPECT_EQ(filesOnDisk(), disk);

    app.setPath = dir.file("gibtsnicht/set.ldt");
    EXPECT_FALSE(speicher_an_platte(app));
    app.setPath.clear();
    EXPECT_FALSE(speicher_an_platte(app));
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{
                  "Abspeichern wurde abgebrochen...\rDie Datei " + dir.file("set.cfg") +
                      " kann nicht geschrieben werden (Ein-/Ausgabefehler des Datenträgers).",
                  "Nisch vorhanden!\rDie Datei " + dir.file("gibtsnicht/set.cfg") +
                      " kann nicht geschrieben werden (nicht vorhanden).",
                  "Abspeichern wurde abgebrochen..."}));
    EXPECT_EQ(platform.messages[1].title, App::kTitle);
}

}  // namespace
}  // namespace memvalo
