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

// Each command of the "Farben" menu checks its entry alone and names its scheme; the user's
// colours open the colour window first, and only the window background differs between the
// user's colours and the gradient over them.
TEST_F(ColoursTest, EachSchemeChecksOnlyItsEntryAndPaintsItsTargets) {
    MainWindowModel& w = app.frm1;
    app.settings.farben[6] = 0x123456;
    app.settings.systemColours.activeBorder = 0x654321;
    struct Case {
        void (*command)(App&);
        Control* entry;
        const char* scheme;
        int colourWindows;
        std::optional<std::uint32_t> background;
        std::optional<Gradient> gradient;
    };
    const Case cases[] = {
        {mnufarbverlauf_Click, &w.mnufarbverlauf, "farbverlauf", 1, std::nullopt,
         gradientFor(300, 250, 250, 1)},
        {mnufarbselbst_Click, &w.mnufarbselbst, "benutzer", 2, 0x123456, std::nullopt},
        {mnudefault_Click, &w.mnudefault, "default", 2, 0x123456, gradientFor(350, 300, 320, 1)},
        {mnusystemfarb_Click, &w.mnusystemfarb, "system", 2, 0x654321, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        c.command(app);
        for (Control* entry :
             {&w.mnudefault, &w.mnusystemfarb, &w.mnufarbselbst, &w.mnufarbverlauf}) {
            EXPECT_EQ(entry->checked, entry == c.entry);
        }
        EXPECT_EQ(app.settings.farbschema, c.scheme);
        EXPECT_EQ(colourWindows, c.colourWindows);
        EXPECT_EQ(w.me.backColor, c.background);
        EXPECT_EQ(verlaufsub(app), c.gradient);
    }
    // The designed colours of buttons and box labels.
    mnudefault_Click(app);
    EXPECT_EQ(w.cmdvor.backColor, 0xC0C000u);
    EXPECT_EQ(w.lbl[1].foreColor, 0xFFFFFFu);
    EXPECT_EQ(w.lblkasten.foreColor, 0x00FFFFu);
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
