#include "minor/closing_fade.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QTimer>

#include "app/app.h"
#include "ui/control_widgets.h"
#include "ui/main_window.h"
#include "ui/minor_windows.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

constexpr int kFrameMs = 15;

// Keeps the learner's keys and clicks from the program while the fade runs; the first one
// ends the fade.
class InputStop : public QObject {
  public:
    explicit InputStop(QEventLoop& loop) : loop_(loop) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
                loop_.quit();
                return true;
            case QEvent::KeyRelease:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
                return true;
            default:
                return false;
        }
    }

  private:
    QEventLoop& loop_;
};

}  // namespace

void runClosingFade(App& app, MainWindow& window) {
    QWidget* cover = window.controlWidget("picende");
    if (cover == nullptr || !window.isVisible() || window.isMinimized()) return;
    window.sync();
    if (auto* panel = qobject_cast<QFrame*>(cover)) panel->setFrameStyle(QFrame::NoFrame);
    cover->raise();
    Control& picende = app.frm1.picende;
    const std::vector<std::uint32_t> colours = fadeColours(app.settings.abspann);
    const qint64 duration = fadeDuration(colours.size()).count();

    QEventLoop loop;
    InputStop stop(loop);
    qApp->installEventFilter(&stop);
    QElapsedTimer clock;
    QTimer frame;
    QObject::connect(&frame, &QTimer::timeout, &loop, [&] {
        const qint64 elapsed = clock.elapsed();
        if (elapsed >= duration) {
            loop.quit();
            return;
        }
        const auto index =
            static_cast<std::size_t>(elapsed * static_cast<qint64>(colours.size()) / duration);
        picende.backColor = colours[index];
        applyControl(picende, cover,
                     [&](const QRect&) { return std::vector<QColor>{toQColor(colours[index])}; });
    });
    clock.start();
    frame.start(kFrameMs);
    if (!colours.empty() && duration > 0) loop.exec();
    qApp->removeEventFilter(&stop);
}

}  // namespace memvalo
