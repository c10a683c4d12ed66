#include "ui/desktop_setup.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QSystemTrayIcon>

#include "ui/control_widgets.h"
#include "ui/qt_text.h"

namespace memvalo {

void describeDesktop(App& app) {
    SettingsValues& s = app.settings;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        s.screenWidth = area.width() * kTwipsPerPixel;
        s.screenHeight = area.height() * kTwipsPerPixel;
    }
    const QPalette palette = QApplication::palette();
    SystemColours& c = s.systemColours;
    c.activeBorder = fromQColor(palette.color(QPalette::Window));
    c.buttonFace = fromQColor(palette.color(QPalette::Button));
    c.buttonText = fromQColor(palette.color(QPalette::ButtonText));
    c.window = fromQColor(palette.color(QPalette::Base));
    c.windowText = fromQColor(palette.color(QPalette::Text));
    // Qt has no role for the title bar; a deep shade of the highlight comes closest to it and
    // reads on the light faces the designed colours put it on.
    c.activeCaption = fromQColor(palette.color(QPalette::Highlight).darker(200));
    s.trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace memvalo
