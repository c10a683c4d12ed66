#pragma once
// Ends the Qt event loop once a main window has been drawn for the first time: the end of a
// start measured as a whole process.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>

namespace memvalo::bench {

class QuitWhenDrawn : public QObject {
  public:
    // Any widget of the main window drawn: the window's first frame is on its way.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr &&
            qobject_cast<QMainWindow*>(widget->window()) != nullptr) {
            // The event loop ends once this paint and the others of the same frame are done,
            // before any work the program put off until after its first frame; exit, not
            // quit, so that no window is asked to close.
            QCoreApplication::exit(0);
        }
        return false;
    }
};

}  // namespace memvalo::bench
