#include "app/window_close.h"

#include "app/exit_command.h"

namespace memvalo {

namespace {

constexpr int kCloseSymbol = 0;

void showTrayHidden(App& app) {
    Control& tray = app.frm1.sevTray1;
    tray.value = 1;
    tray.tooltip = app.frm1.me.caption;
    app.settings.balloon = TrayBalloon{"Hinweis", std::string(kTrayBalloonText), 3};
}

void showTrayShown(App& app) {
    Control& tray = app.frm1.sevTray1;
    tray.value = 0;
    tray.tooltip = app.frm1.me.caption;
}

// Into the tray; where the desktop has none, an ordinary minimise keeps the window reachable.
void hideWindow(App& app) {
    if (!app.settings.trayAvailable) {
        app.frm1.windowState = WindowState::Minimized;
        return;
    }
    showTrayHidden(app);
    app.frm1.me.visible = false;
}

}  // namespace

void Form_QueryUnload(App& app, UiEvent& event) {
    const bool minimises = app.frm1.mnumini.checked;
    if (event.unloadMode == kCloseSymbol && minimises) {
        event.cancel = true;
        hideWindow(app);
        if (app.ontop == "ja") app.AlwaysOnTop(true);
        return;
    }
    if (minimises && !app.settings.ending) {
        hideWindow(app);
        event.cancel = true;
        return;
    }
    if (event.unloadMode == kCloseSymbol && !app.settings.ending && !mnuende_Click(app)) {
        app.settings.ending = false;
        event.cancel = true;
    }
}

void sevTray1_MouseDown(App& app, UiEvent& event) {
    if (event.button != 1) {
        app.settings.popupSettingsMenu = true;
        return;
    }
    Control& window = app.frm1.me;
    window.visible = !window.visible;
    if (window.visible) {
        if (app.frm1.windowState == WindowState::Minimized) {
            app.frm1.windowState = WindowState::Normal;
        }
        showTrayShown(app);
    } else {
        showTrayHidden(app);
    }
}

void Form_MouseDown(App& app, UiEvent& event) {
    const bool shiftRightClick = event.button == 2 && event.shift == 1;
    if (shiftRightClick) app.platform.showDeveloperWindow();
}

}  // namespace memvalo
