// The main window's icon in the system tray: its clicks go to the window's procedures, and the
// model's tooltip, balloon and settings menu appear there.
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace memvalo {

void MainWindow::buildTray() {
    tray_ = new QSystemTrayIcon(this);
    tray_->setObjectName(QStringLiteral("sevTray1"));
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r != QSystemTrayIcon::Trigger && r != QSystemTrayIcon::Context &&
            r != QSystemTrayIcon::MiddleClick) {
            return;
        }
        UiEvent event{"sevTray1", "MouseDown"};
        event.button = r == QSystemTrayIcon::Trigger ? 1 : 2;
        fire(event);
    });
}

void MainWindow::applyTray() {
    Control& c = app_.frm1.sevTray1;
    tray_->setToolTip(displayText(c.tooltip));
    tray_->setVisible(app_.settings.trayAvailable);
    if (app_.settings.balloon) {
        const TrayBalloon balloon = *app_.settings.balloon;
        app_.settings.balloon.reset();
        tray_->showMessage(toQt(balloon.title), displayText(balloon.text),
                           QSystemTrayIcon::Information);
    }
    if (app_.settings.popupSettingsMenu) {
        app_.settings.popupSettingsMenu = false;
        menus_.at("mnueinstell")->popup(QCursor::pos());
    }
}

}  // namespace memvalo
