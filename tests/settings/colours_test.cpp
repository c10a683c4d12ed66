#include <gtest/gtest.h>

#include "settings/colour_schemes.h"
#include "settings/colour_window.h"
#include "settings/gradient.h"
#include "support/app_fixture.h"

namespace memvalo::test {
namespace {

class ColoursTest : public AppTest {
  protected:
    ColoursTest() {
        app.showColourWindow = [this](App&) { ++colourWindows; };
    }
    int colourWindows = 0;
};

TEST_F(ColoursTest, EachSchemeChecksOnlyItsEntryAndPaintsItsTargets) {
    MainWindowModel& w = app.frm1;
    mnufarbverlauf_Click(app);
    EXPECT_EQ(colourWindows, 1);
    EXPECT_TRUE(w.mnufarbverlauf.checked);
    EXPECT_EQ(app.settings.farbschema, "farbverlauf");
    EXPECT_EQ(w.txtantwort.foreColor, kDefaultUserColours[8]);
    EXPECT_FALSE(w.me.backColor);
    EXPECT_TRUE(verlaufsub(app));

    mnufarbselbst_Click(app);
    EXPECT_EQ(colourWindows, 2);
    EXPECT_FALSE(w.mnufarbverlauf.checked);
    EXPECT_EQ(w.me.backColor, kDefaultUserColours[6]);
    EXPECT_EQ(w.picfrage.backColor, kDefaultUserColours[11]);
    EXPECT_EQ(w.cmdvor.backColor, kDefaultUserColours[0]);
    EXPECT_FALSE(verlaufsub(app));

    mnudefault_Click(app);
    EXPECT_TRUE(w.mnudefault.checked);
    EXPECT_FALSE(w.mnufarbselbst.checked);
    EXPECT_EQ(w.cmdvor.backColor, 0xC0C000u);
    EXPECT_EQ(w.lblkasten.foreColor, 0x00FFFFu);
    EXPECT_EQ(verlaufsub(app), gradientFor(350, 300, 320, 1));

    app.settings.systemColours.activeBorder = 0x123456;
    mnusystemfarb_Click(app);
    EXPECT_TRUE(w.mnusystemfarb.checked);
    EXPECT_EQ(w.me.backColor, 0x123456u);
    EXPECT_FALSE(w.cmdvor.backColor);
    EXPECT_FALSE(verlaufsub(app));
    EXPECT_EQ(colourWindows, 2);
}

TEST_F(ColoursTest, TheGradientGrowsWithItsParameters) {
    const Gradient g = gradientFor(520, 0, 200, 4);
    EXPECT_EQ(g.light, 0x640000u | 255u);
    EXPECT_EQ(g.dark, (0x640000u / 3 & 0xFF0000u) | 85u);
    EXPECT_EQ(g.direction, GradientDirection::Right);
}

TEST_F(ColoursTest, OpeningTheColourWindowReplacesMissingGradientValues) {
    app.settings.verlauf = {0, 0, 0, 0};
    app.settings.farbschema = "farbverlauf";
    ColourWindowModel f;
    frmfarb_Load(app, f);
    EXPECT_EQ(app.settings.verlauf, (std::array{100, 200, 200, 1}));
    EXPECT_EQ(f.scrollgreen.value, 200);
    EXPECT_TRUE(f.scrollred.visible);
    EXPECT_FALSE(f.cmdauswahl[0].enabled);
    EXPECT_EQ(f.imgrichtung.picture, app.paths.programFolder + "up.ico");

    f.scrollrichtung.value = 3;
    scroll_Change(app, f, 3);
    EXPECT_EQ(app.settings.verlauf[3], 3);
    EXPECT_EQ(f.imgrichtung.picture, app.paths.programFolder + "left.ico");
}

TEST_F(ColoursTest, TheTextColourOfAllFieldsIsAskedForFirst) {
    ColourWindowModel f;
    frmfarb_Load(app, f);
    EXPECT_FALSE(f.scrollred.visible);
    platform.answers = {Answer::No, Answer::Yes};
    platform.colorAnswers = {0x224466};
    cmdauswahl_Click(app, f, 3);
    EXPECT_EQ(app.settings.farben[3], kDefaultUserColours[3]);
    cmdauswahl_Click(app, f, 3);
    for (int i : {3, 8, 9, 10, 11}) EXPECT_EQ(app.settings.farben[i], 0x224466u) << i;
    EXPECT_EQ(platform.messages[0].title, "Sicherheitsabfrage");
    EXPECT_EQ(platform.messages[0].defaultButton, 2);
    EXPECT_EQ(f.txtbeispiel.foreColor, 0x224466u);

    platform.colorAnswers = {0x7FFFFFFF, std::nullopt};
    cmdauswahl_Click(app, f, 6);
    EXPECT_EQ(app.settings.farben[6], 0xFFFFFFu);
    cmdauswahl_Click(app, f, 6);
    EXPECT_EQ(app.settings.farben[6], 0xFFFFFFu);
}

}  // namespace
}  // namespace memvalo::test
