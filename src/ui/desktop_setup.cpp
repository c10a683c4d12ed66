#include "ui/desktop_setup.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QSystemTrayIcon>

#include "ui/card_search_window.h"
#include "ui/colour_window.h"
#include "ui/control_widgets.h"
#include "ui/exchange_windows.h"
#include "ui/minor_windows.h"
#include "ui/print_window.h"
#include "ui/qt_text.h"

namespace memvalo {

void describeDesktop(App& app) {
    SettingsValues& s = app.settings;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        s.screenWidth = area.width() * kTwipsPerPx;
        s.screenHeight = area.height() * kTwipsPerPx;
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

void connectWindows(App& app, MainWindow& window) {
    app.showColourWindow = [&window](App& a) {
        showColourWindow(a, &window, [&window] { window.sync(); });
    };
    // The main window shows what the command has done so far before the window stands over it.
    app.showCsvImportWindow = [&window](App& a, CsvImportWindowModel& model) {
        window.sync();
        showCsvImportWindow(a, model, &window);
    };
    app.showDeckImportWindow = [&window](App& a, DeckImportWindowModel& model) {
        window.sync();
        showDeckImportWindow(a, model, &window);
    };
    app.showExportWindow = [&window](App& a, ExportWindowModel& model) {
        window.sync();
        showExportWindow(a, model, &window);
    };
    app.showPrintWindow = [&window](App& a) { showPrintWindow(a, &window); };
    app.showCardSearchWindow = [&window](App& a, CardSearchWindowModel& model) {
        window.sync();
        showCardSearchWindow(a, model, &window);
    };
    app.showAboutBox = [&window](App& a, FrmInfoModel& model) { showAboutBox(a, model, &window); };
    app.showClosingSpeedWindow = [&window](App& a, FrmZeitModel& model) {
        showClosingSpeedWindow(a, model, &window);
    };
    app.showDeveloperWindow = [&window](App& a) { showDeveloperWindow(a, &window); };
    app.runClosingFade = [&window](App& a) { runClosingFade(a, window); };
}

}  // namespace memvalo
