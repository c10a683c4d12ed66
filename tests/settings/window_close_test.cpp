#include "settings/window_close.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/app_fixture.h"

namespace memvalo::test {
namespace {

class CloseTest : public DataFolderTest {
  protected:
    UiEvent closeSymbol() { return UiEvent{"frm1", "QueryUnload"}; }
};

TEST_F(CloseTest, TheCloseSymbolHidesIntoTheTrayAndTheTrayBringsItBack) {
    app.frm1.mnumini.checked = true;
    app.frm1.me.caption = "Memvalo";
    UiEvent close = closeSymbol();
    Form_QueryUnload(app, close);
    EXPECT_TRUE(close.cancel);
    EXPECT_FALSE(app.frm1.me.visible);
    EXPECT_EQ(app.frm1.sevTray1.value, 1);
    ASSERT_TRUE(app.settings.balloon);
    EXPECT_EQ(app.settings.balloon->title, "Hinweis");
    EXPECT_EQ(app.settings.balloon->text, kTrayBalloonText);

    app.settings.balloon.reset();
    UiEvent left{"sevTray1", "MouseDown"};
    left.button = 1;
    sevTray1_MouseDown(app, left);
    EXPECT_TRUE(app.frm1.me.visible);
    EXPECT_EQ(app.frm1.sevTray1.value, 0);
    EXPECT_FALSE(app.settings.balloon);
    sevTray1_MouseDown(app, left);
    EXPECT_FALSE(app.frm1.me.visible);
    EXPECT_TRUE(app.settings.balloon);

    UiEvent right{"sevTray1", "MouseDown"};
    right.button = 2;
    sevTray1_MouseDown(app, right);
    EXPECT_TRUE(app.settings.popupSettingsMenu);
}

// Without a tray the window is minimised instead; the Qt test of the main window shows it.
TEST_F(CloseTest, OtherwiseTheExitCommandDecides) {
    app.store.ist[0] = 3;  // a set with cards, changed since it was saved
    app.karte_gespeichert = "nein";
    app.schritt_gespeichert = "nein";
    platform.answers = {Answer::Cancel};
    UiEvent cancelled = closeSymbol();
    Form_QueryUnload(app, cancelled);
    EXPECT_TRUE(cancelled.cancel);
    EXPECT_FALSE(app.settings.ending);
    EXPECT_EQ(platform.unloads, 0);

    platform.answers = {Answer::No, Answer::OK};  // do not save, and yes, really
    UiEvent accepted = closeSymbol();
    Form_QueryUnload(app, accepted);
    EXPECT_FALSE(accepted.cancel);
    EXPECT_EQ(platform.unloads, 1);
}

TEST_F(CloseTest, ShiftRightClickOpensTheDeveloperWindow) {
    int opened = 0;
    app.showDeveloperWindow = [&](App&) { ++opened; };
    UiEvent click{"frm1", "MouseDown"};
    click.button = 2;
    Form_MouseDown(app, click);
    click.shift = 1;
    Form_MouseDown(app, click);
    EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace memvalo::test
