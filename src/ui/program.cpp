#include "ui/program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <iostream>

#include "app/app.h"
#include "app/event_registry.h"
#include "core/startup.h"
#include "model/events.h"
#include "ui/desktop_setup.h"
#include "ui/main_window.h"
#include "ui/program_style.h"
#include "ui/qt_platform.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

void speakGerman(QTranslator& qtTexts) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
}

int runProgram(int argc, char** argv, const std::function<void(QApplication&)>& prepare) {
    if (!hasDisplay()) {
        std::cerr << "Memvalo braucht eine grafische Oberfläche, aber es ist keine Anzeige "
                     "vorhanden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n";
        return 1;
    }
    QApplication qtApp(argc, argv);
    QApplication::setStyle(new ProgramStyle);
    if (prepare) prepare(qtApp);
    QApplication::setApplicationName(QStringLiteral("memvalo"));
    QTranslator qtTexts;
    speakGerman(qtTexts);
    QtPlatform platform;
    App app(platform);
    platform.setApp(app);
    if (!Main(app, fromQt(QApplication::applicationFilePath()))) return 1;
    // "memvalo SET.ldt", as the desktop starts it for a double-clicked set.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) app.commandLineSet = fromQt(arguments.at(1));

    EventTable events;
    registerAllEvents(events);
    describeDesktop(app);
    MainWindow window(app, events);
    platform.setMainWindow(&window);
    platform.connectWindows(app, window);
    window.load();
    return QApplication::exec();
}

}  // namespace memvalo
