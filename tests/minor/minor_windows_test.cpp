#include <cmath>

#include "core/maker.h"
#include "minor/about_box.h"
#include "minor/closing_fade.h"
#include "minor/closing_speed.h"
#include "model/main_menu_table.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

using MinorWindowsTest = test::AppTest;

TEST_F(MinorWindowsTest, ClosingDelayRules) {
    const struct {
        double stored;
        double inWindow;  // after the closing-speed window opened
        int bar;
        const char* shown;
        double atEnd;  // after the fade was readied at program end
    } cases[] = {
        {0, 260, 260, "0,26", 200},
        {1, 1, 200, "0,001", 200},
        {3, 3, 200, "0,003", 3},
        {-40, -40, 200, "-0,04", 200},
        {812.5, 812.5, 812, "0,8125", 812.5},
        {9000, 9000, 3000, "9", 9000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        app.settings.abspann = c.stored;
        FrmZeitModel f;
        frmzeit_Load(app, f);
        EXPECT_EQ(app.settings.abspann, c.inWindow);
        EXPECT_EQ(f.scrollzeit.value, c.bar);
        EXPECT_EQ(f.lblwert.caption, c.shown);
        app.settings.abspann = c.stored;
        schluß(app);
        EXPECT_EQ(app.settings.abspann, c.atEnd);
    }
    FrmZeitModel f;
    frmzeit_Load(app, f);
    f.scrollzeit.value = 2250;
    scrollzeit_Change(app, f);
    EXPECT_EQ(app.settings.abspann, 2250);
    EXPECT_EQ(f.lblwert.caption, "2,25");
}

TEST_F(MinorWindowsTest, TheFadeRunsUpAndDownAndAlwaysEnds) {
    const std::vector<std::uint32_t> colours = fadeColours(1000);
    ASSERT_EQ(colours.size(), 512u);
    EXPECT_EQ((std::vector{colours.front(), colours[255], colours[256], colours.back()}),
              (std::vector<std::uint32_t>{0x006300, 0xFF63FF, 0x63FFFF, 0x630000}));
    EXPECT_EQ(fadeColours(1500).size(), 342u);
    // Too small a delay, or none at all, would never end: it fades as 200 does.
    for (double delay : {0.0, 1.0, -1.0, std::nan("")}) {
        EXPECT_EQ(fadeColours(delay).size(), fadeColours(200).size()) << delay;
    }
    EXPECT_EQ(fadeColours(1e12).size(), 2u);
    EXPECT_LE(fadeDuration(fadeColours(3).size()), fadeDuration(fadeColours(200).size()) * 2);
}

TEST_F(MinorWindowsTest, TheAboutBoxShowsTheShippedManualWithEveryKeyOfTheMenus) {
    app.paths.programFolder = MEMVALO_RESOURCES;
    FrmInfoModel f;
    frminfo_Load(app, f);
    const std::string& manual = f.txtinfo.caption;
    for (std::string_view fact : {kMakerName, kSupportAddress, kHomePage}) {
        EXPECT_NE(manual.find(fact), std::string::npos) << fact;
    }
    EXPECT_EQ(manual.find('{'), std::string::npos) << "a field of the contact block left open";
    for (const MenuEntry& entry : mainMenuTable()) {
        if (entry.shortcut.empty()) continue;
        const std::string key = "Strg+" + std::string(entry.shortcut.substr(5));
        EXPECT_NE(manual.find(key), std::string::npos) << key;
    }
    lblhomepage_Click(app);
    EXPECT_EQ(platform.documentsOpened, (test::Texts{std::string(kHomePage)}));
    app.paths.programFolder = dir.path();
    frminfo_Load(app, f);
    EXPECT_EQ(f.txtinfo.caption, "Die Kurzanleitung fehlt: Die Datei " + dir.path() +
                                     "kurzanleitung.txt kann nicht gelesen werden.");
}

}  // namespace
}  // namespace memvalo
