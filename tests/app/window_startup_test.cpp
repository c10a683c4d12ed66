#include "app/window_startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/window_title.h"
#include "model/main_menu_table.h"
#include "settings/design_layout.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

class StartupTest : public DataFolderTest {
  protected:
    StartupTest() {
        app.settings.screenWidth = 1920 * kTwipsPerPixel;
        app.settings.screenHeight = 1080 * kTwipsPerPixel;
    }
    // A settings file as a previous run left it.
    void storedRun(const std::function<void(App&)>& change) {
        App previous(platform);
        previous.paths = app.paths;
        change(previous);
        writeSettings(previous);
    }
};

TEST_F(StartupTest, FirstStartShowsAnEmptyWindowWithOnlyTheBasicMenus) {
    platform.answers = {Answer::OK};  // no settings file yet
    Form_Load(app, "");
    MainWindowModel& w = app.frm1;
    EXPECT_EQ(dir.read("data/memvalo/dateiliste.lis"), "\r\n");
    EXPECT_EQ(w.me.caption, std::string(kProductTitle) + "Version 1.0.0");
    Texts menus;
    for (const MenuEntry& entry : mainMenuTable()) {
        const Control& menu = w.at(std::string(entry.name));
        if (entry.parent.empty() && menu.visible) menus.push_back(menu.caption);
    }
    EXPECT_EQ(menus, (Texts{"&Datei", "&Einstellungen", "&Fenster", "&Info"}));
    // Nothing to work on yet: the question is locked and covered, no study button shows.
    EXPECT_TRUE(w.txtfrage.locked && w.picantwort.visible);
    for (const auto& [name, control] : w.controls()) {
        if (control.kind == ControlKind::Button) {
            EXPECT_FALSE(control.visible) << name;
        }
    }
    // Placement after a first start: design size plus 2 twips, at the remembered 0, 0.
    EXPECT_EQ(w.me.geometry, (Geometry{0, 0, kDesignWidth + 2, kDesignHeight + 2}));
    EXPECT_TRUE(w.mnuposition.checked && w.mnufarbselbst.checked);
    EXPECT_EQ(platform.played, Texts{app.paths.programFolder + "start1.wav"});
}

TEST_F(StartupTest, ATooSmallRememberedWindowOpensAtTheMinimumAndMaximisingReturnsThere) {
    storedRun([](App& a) {
        a.frm1.me.geometry = {100, 200, 5000, 5000};
        a.settings.groesseMerken = 1;
    });
    Form_Load(app, "");
    const Geometry opened{100, 200, 8252, 7921};
    EXPECT_EQ(app.frm1.me.geometry, opened);
    EXPECT_TRUE(app.frm1.mnumerkgroß.checked);
    mnumax_Click(app);
    EXPECT_EQ(app.frm1.me.geometry, (Geometry{0, 0, 1920 * 15, 1080 * 15}));
    EXPECT_EQ(app.frm1.mnumax.caption, "Fenster verkleinern");
    mnumax_Click(app);
    EXPECT_EQ(app.frm1.me.geometry, opened);
    app.frm1.me.geometry.width = 3000;
    app.frm1.me.geometry.height = 7919;
    Form_Resize(app);
    EXPECT_EQ(app.frm1.me.geometry, (Geometry{100, 200, 8251, 7922}));
}

TEST_F(StartupTest, CentringWinsOverTheRememberedPositionAndPositionBringsItBack) {
    storedRun([](App& a) {
        a.frm1.me.geometry = {1500, 3000, 9000, 9000};
        a.settings.zentrieren = 1;
        a.settings.groesseMerken = 1;
    });
    Form_Load(app, "");
    EXPECT_TRUE(app.frm1.mnuzentrieren.checked);
    const Geometry& g = app.frm1.me.geometry;
    EXPECT_EQ(std::pair(g.left, g.top), std::pair((1920 * 15 - 9000) / 2, (1080 * 15 - 9000) / 2));
    mnuposition_Click(app);
    EXPECT_EQ(std::pair(g.left, g.top), std::pair(1500, 3000));
    EXPECT_FALSE(app.frm1.mnuzentrieren.checked);
    mnuzentrieren_Click(app);
    mnuposition_Click(app);
    EXPECT_EQ(g.left, 1500);
    EXPECT_EQ(app.settings.zentrieren, 0);
}

TEST_F(StartupTest, StoredOptionsAreAppliedAndTheLastSetIsOpened) {
    writeSet(dir.file("satz.ldt"), {{card("Haus", "house")}});
    storedRun([&](App& a) {
        a.ontop = "ja";
        a.frm1.mnugleichauf.checked = true;
        a.settings.letzteDatei = dir.file("satz.ldt");
        a.frm1.mnukorrekt.checked = true;
        a.settings.blaettern = "ja";
        a.frm1.mnudefault.checked = true;
    });
    dir.write("data/memvalo/dateiliste.lis", "x\r\n");
    Form_Load(app, "");
    EXPECT_EQ(app.frm1.txtfrage.caption, "Haus");
    EXPECT_EQ(dir.read("data/memvalo/dateiliste.lis"), "");  // the stale entry went
    EXPECT_FALSE(app.frm1.m[3].enabled || app.frm1.mnufarbselbst.checked);
    EXPECT_TRUE(app.frm1.mnutop.checked && app.frm1.mnukey.checked && app.frm1.mnudefault.checked);
    EXPECT_EQ(app.frm1.lbl[1].foreColor, 0xFFFFFFu);
}

// The set named on the command line is opened in place of the last one; a set that cannot
// be opened is reported and the window starts without a set.
TEST_F(StartupTest, TheSetNamedOnTheCommandLineOrTheLastOneOpens) {
    writeSet(dir.file("satz.ldt"), {{card("Haus", "house")}});
    writeSet(dir.file("letzter.ldt"), {{card("Baum", "tree")}});
    writeSet(dir.file("kaputt.ldt"), {{card("Maus", "mouse")}});
    dir.write("kaputt.k04", "12\r\n");
    dir.write("notiz.txt", "x");
    struct Row {
        std::string named, last;
        std::string opened;  // empty: no set
        std::string message;
    };
    const std::vector<Row> rows = {
        {"", dir.file("weg.ldt"), "", "Datei wurde verschoben oder gelöscht"},
        {dir.file("satz.ldt"), dir.file("letzter.ldt"), dir.file("satz.ldt"), ""},
        {dir.file("weg.ldt"), dir.file("letzter.ldt"), "",
         "Die Lerndatei\r" + dir.file("weg.ldt") + "\rwurde nicht gefunden."},
        {dir.file("notiz.txt"), dir.file("letzter.ldt"), "",
         "Die Datei\r" + dir.file("notiz.txt") + "\rist keine Lerndatei (*.ldt)."},
        {dir.file("kaputt.ldt"), dir.file("letzter.ldt"), "",
         "Die Datei " + dir.file("kaputt.k04") + " ist unvollständig."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.named + " " + row.last);
        storedRun([&](App& a) {
            a.frm1.mnugleichauf.checked = true;
            a.settings.letzteDatei = row.last;
        });
        ScriptedPlatform desktop;
        desktop.answers = {Answer::OK};
        App run(desktop);
        run.paths = app.paths;
        run.commandLineSet = row.named;
        Form_Load(run, "");
        EXPECT_EQ(run.setPath, row.opened);
        EXPECT_EQ(run.frm1.txtfrage.caption, row.opened.empty() ? "" : "Haus");
        const std::string shown = desktop.messages.empty() ? "" : desktop.messages[0].text;
        EXPECT_EQ(shown.substr(0, row.message.size()), row.message);
        desktop.answers.clear();
    }
}

TEST_F(StartupTest, StoredSettingsComeAfterTheProgramSearchAndBeforeTheStartSound) {
    std::filesystem::create_directories(dir.file("bin"));
    dir.write("bin/kolourpaint", "");
    std::filesystem::permissions(dir.file("bin/kolourpaint"), std::filesystem::perms::owner_all);
    storedRun([](App& a) {
        a.settings.paintPfad = "/opt/malen/malen";
        a.frm1.mnupaint.caption = "Malen";
        a.frm1.mnuklang.checked = false;
    });
    Form_Load(app, dir.path() + "bin");
    EXPECT_EQ(app.settings.paintPfad, "/opt/malen/malen");
    EXPECT_EQ(app.frm1.mnupaint.caption, "Malen");
    EXPECT_TRUE(platform.played.empty());
}

}  // namespace
}  // namespace memvalo::test
