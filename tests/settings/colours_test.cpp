#include <gtest/gtest.h>

#include "settings/colour_schemes.h"
#include "settings/colour_window.h"
#include "settings/gradient.h"
#include "support/app_fixture.h"

namespace memvalo::test {
namespace {

// Each command of the "Farben" menu checks its entry alone and names its scheme; the user's
// colours open the colour window first, and only the window background differs between the
// user's colours and the gradient over them.
TEST_F(AppTest, EachColourSchemeChecksOnlyItsEntryAndPaintsItsTargets) {
    MainWindowModel& w = app.frm1;
    app.settings.farben[6] = 0x123456;
    app.settings.systemColours.activeBorder = 0x654321;
    const struct {
        void (*command)(SettingsContext&);
        Control* entry;
        const char* scheme;
        std::size_t colourWindows;
        std::optional<std::uint32_t> background;
        std::optional<Gradient> gradient;
    } cases[] = {
        {mnufarbverlauf_Click,
         &w.mnufarbverlauf,
         "farbverlauf",
         1,
         {},
         gradientFor(300, 250, 250, 1)},
        {mnufarbselbst_Click, &w.mnufarbselbst, "benutzer", 2, 0x123456, {}},
        {mnudefault_Click, &w.mnudefault, "default", 2, 0x123456, gradientFor(350, 300, 320, 1)},
        {mnusystemfarb_Click, &w.mnusystemfarb, "system", 2, 0x654321, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scheme);
        c.command(app);
        for (Control* entry :
             {&w.mnudefault, &w.mnusystemfarb, &w.mnufarbselbst, &w.mnufarbverlauf}) {
            EXPECT_EQ(entry->checked, entry == c.entry);
        }
        EXPECT_EQ(app.settings.farbschema, c.scheme);
        EXPECT_EQ(platform.windows.size(), c.colourWindows);
        EXPECT_EQ(w.me.backColor, c.background);
        EXPECT_EQ(verlaufsub(app), c.gradient);
    }
}

TEST_F(AppTest, OpeningTheColourWindowReplacesMissingGradientValues) {
    app.settings.verlauf = {0, 0, 0, 0};
    app.settings.farbschema = "farbverlauf";
    ColourWindowModel f;
    frmfarb_Load(app, f);
    EXPECT_EQ(app.settings.verlauf, (std::array{100, 200, 200, 1}));
    EXPECT_TRUE(f.scrollred.visible && !f.cmdauswahl[0].enabled);
    f.scrollrichtung.value = 3;
    scroll_Change(app, f, 3);
    EXPECT_EQ(app.settings.verlauf[3], 3);
    EXPECT_EQ(f.imgrichtung.picture, app.paths.programFolder + "left.ico");
}

TEST_F(AppTest, TheTextColourOfAllFieldsIsAskedForFirst) {
    ColourWindowModel f;
    frmfarb_Load(app, f);
    platform.answers = {Answer::No, Answer::Yes};
    platform.colorAnswers = {0x224466, 0x7FFFFFFF, std::nullopt};
    cmdauswahl_Click(app, f, 3);
    EXPECT_EQ(app.settings.farben[3], kDefaultUserColours[3]);
    cmdauswahl_Click(app, f, 3);
    for (int i : {3, 8, 9, 10, 11}) EXPECT_EQ(app.settings.farben[i], 0x224466u) << i;
    EXPECT_EQ(platform.messages[0].title, "Sicherheitsabfrage");
    EXPECT_EQ(platform.messages[0].defaultButton, 2);
    EXPECT_EQ(f.txtbeispiel.foreColor, 0x224466u);
    cmdauswahl_Click(app, f, 6);
    cmdauswahl_Click(app, f, 6);
    EXPECT_EQ(app.settings.farben[6], 0xFFFFFFu) << "clamped, and kept when cancelled";
}

}  // namespace
}  // namespace memvalo::test
