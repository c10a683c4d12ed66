#include "app/window_close.h"

#include <gtest/gtest.h>

#include "support/app_fixture.h"

namespace memvalo::test {
namespace {

using CloseTest = DataFolderTest;

TEST_F(CloseTest, TheCloseSymbolHidesIntoTheTrayAndTheTrayBringsItBack) {
    app.frm1.mnumini.checked = true;
    UiEvent close{"frm1", "QueryUnload"};
    Form_QueryUnload(app, close);
    EXPECT_TRUE(close.cancel);
    EXPECT_FALSE(app.frm1.me.visible);
    EXPECT_EQ(app.frm1.sevTray1.value, 1);
    ASSERT_TRUE(app.settings.balloon);
    EXPECT_EQ(app.settings.balloon->title + "|" + app.settings.balloon->text,
              "Hinweis|" + std::string(kTrayBalloonText));

    app.settings.balloon.reset();
    UiEvent click{"sevTray1", "MouseDown"};
    click.button = 1;
    sevTray1_MouseDown(app, click);
    EXPECT_TRUE(app.frm1.me.visible && !app.settings.balloon);
    EXPECT_EQ(app.frm1.sevTray1.value, 0);
    sevTray1_MouseDown(app, click);
    EXPECT_TRUE(!app.frm1.me.visible && app.settings.balloon);
    click.button = 2;
    sevTray1_MouseDown(app, click);
    EXPECT_TRUE(app.settings.popupSettingsMenu);
}

// Without a tray the window is minimised instead; the Qt test of the main window shows it.
TEST_F(CloseTest, OtherwiseTheExitCommandDecides) {
    app.store.ist[0] = 3;  // a set with cards, changed since it was saved
    app.karte_gespeichert = app.schritt_gespeichert = "nein";
    platform.answers = {Answer::Cancel, Answer::No, Answer::OK};  // then: do not save, really
    for (const bool cancelled : {true, false}) {
        UiEvent close{"frm1", "QueryUnload"};
        Form_QueryUnload(app, close);
        EXPECT_EQ(close.cancel, cancelled);
        EXPECT_EQ(platform.unloads, cancelled ? 0 : 1);
    }
}

}  // namespace
}  // namespace memvalo::test
