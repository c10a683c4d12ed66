#pragma once
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <functional>
#include <utility>

namespace memvalo {

// Sees every window of the program appear. A message box, dialog or other window that keeps
// the user from the main window must never stand over a stale main window, so the main window
// first shows what the procedure has done so far.
class ModalWatcher : public QObject {
  public:
    ModalWatcher(QObject* parent, std::function<void()> beforeModal)
        : QObject(parent), beforeModal_(std::move(beforeModal)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget != nullptr && widget->isWindow() && widget->windowModality() != Qt::NonModal) {
            beforeModal_();
        }
        return false;
    }

  private:
    std::function<void()> beforeModal_;
};

}  // namespace memvalo
