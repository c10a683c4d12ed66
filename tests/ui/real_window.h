#pragma once
// The program's real main window on the quiet platform, loaded as at a first start, with
// short ways to type into its fields and press its buttons as a learner does. A test may add
// events of its own before the window is built.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/app.h"
#include "app/event_registry.h"
#include "ui/desktop_setup.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/quiet_platform.h"

namespace memvalo::test {

// A card as typed on 01.01.2026.
inline CardRecord card(const std::string& frage, const std::string& antwort,
                       const std::string& zusatz1 = {}) {
    CardRecord c;
    c.frage = frage;
    c.antwort = antwort;
    c.zusatz1 = zusatz1;
    c.erstellt = "01.01.2026";
    return c;
}

struct RealWindow {
    explicit RealWindow(const std::function<void(EventTable&)>& moreEvents = {}) {
        useTemporaryFolders(app, dir);
        registerAllEvents(events);
        if (moreEvents) moreEvents(events);
        describeDesktop(app);
        window = std::make_unique<MainWindow>(app, events);
        platform.setMainWindow(window.get());
        window->load();
    }
    ~RealWindow() { window.reset(); }
    RealWindow(const RealWindow&) = delete;
    RealWindow& operator=(const RealWindow&) = delete;

    template <typename W = QWidget>
    W* widget(const char* name) const {
        return window->findChild<W*>(QString::fromUtf8(name));
    }

    // Clicks into the field and types, as the learner does; the keys go through the window.
    void type(const char* field, const QString& text) const {
        auto* edit = widget<QPlainTextEdit>(field);
        QTest::mouseClick(edit->viewport(), Qt::LeftButton);
        edit->moveCursor(QTextCursor::End);
        for (const QChar c : text) {
            // A letter such as "ä" arrives with its own key code, as from a German keyboard.
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, edit,
                                c.unicode() < 0x80 ? QTest::asciiToKey(c.toLatin1()) : key,
                                QString(c), Qt::NoModifier);
        }
    }

    // False when the button cannot be pressed, because it is hidden or disabled.
    [[nodiscard]] bool press(const char* button) const {
        auto* b = widget<QPushButton>(button);
        if (b == nullptr || !b->isVisible() || !b->isEnabled()) return false;
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }

    // False when the menu entry cannot be chosen.
    [[nodiscard]] bool choose(const char* entry) const {
        QAction* action = window->menuAction(entry);
        if (action == nullptr || !action->isEnabled()) return false;
        action->trigger();
        return true;
    }

    QString text(const char* name) const {
        QWidget* w = widget(name);
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) return edit->toPlainText();
        if (auto* button = qobject_cast<QPushButton*>(w)) return button->text();
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        return {};
    }
    bool shown(const char* name) const { return widget(name)->isVisible(); }

    // The first control whose widget shows another state than the model holds; empty when
    // every widget mirrors its control.
    QString mirrorFault() const {
        for (const auto& [name, control] : app.frm1.controls()) {
            QWidget* w = window->controlWidget(name);
            if (w == nullptr) continue;
            const QString id = QString::fromStdString(name);
            if (w->isHidden() == control.visible) return id + " visibility";
            if (w->isEnabled() != control.enabled) return id + " enabled";
            const bool hasText = qobject_cast<QLabel*>(w) != nullptr ||
                                 qobject_cast<QPushButton*>(w) != nullptr ||
                                 qobject_cast<QPlainTextEdit*>(w) != nullptr;
            if (hasText && text(name.c_str()) != displayText(control.caption)) return id + " text";
        }
        return {};
    }

    QTemporaryDir dir;
    QuietPlatform platform;
    App app{platform};
    EventTable events;
    std::unique_ptr<MainWindow> window;
};

}  // namespace memvalo::test
