#include "ui/after_first_frame.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <utility>

namespace memvalo {

namespace {

class FirstFrameWatch : public QObject {
  public:
    FirstFrameWatch(QWidget* window, QObject* context, std::function<void()> work)
        : QObject(window), context_(context), work_(std::move(work)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once this paint and the others of the same frame are done.
            if (context_) QTimer::singleShot(0, context_, std::move(work_));
            deleteLater();
        }
        return false;
    }

  private:
    QPointer<QObject> context_;
    std::function<void()> work_;
};

}  // namespace

void afterFirstFrame(QWidget* window, QObject* context, std::function<void()> work) {
    new FirstFrameWatch(window, context, std::move(work));
}

}  // namespace memvalo
