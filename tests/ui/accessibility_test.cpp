// What a screen reader meets: every control of every window that the keyboard reaches has a
// name, and revealing the answer and counting it tell assistive technology what changed.
#include <QAccessible>
#include <QApplication>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "ui/real_window.h"

namespace memvalo::test {

namespace {

// The focusable places below `node` in the accessibility tree that have no name to speak.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr) continue;
        if (child->state().focusable && child->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = child->object();
            unnamed << (object ? object->objectName() + "/" + object->metaObject()->className()
                               : QString::number(child->role()));
        }
        collectUnnamed(child, unnamed);
    }
}

QString unnamedIn(QWidget* window) {
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return window->objectName() + ": " + unnamed.join(QLatin1Char(' '));
}

// The events assistive technology was told of: the control and what it heard.
std::vector<std::pair<QString, QString>> told;

void record(QAccessibleEvent* event) {
    const QString name = event->object() ? event->object()->objectName() : QString();
    if (event->type() == QAccessible::NameChanged) {
        told.emplace_back(
            name, QAccessible::queryAccessibleInterface(event->object())->text(QAccessible::Name));
    } else if (event->type() == QAccessible::ValueChanged) {
        told.emplace_back(name,
                          static_cast<QAccessibleValueChangeEvent*>(event)->value().toString());
    }
}

bool wasTold(const QString& control, const QString& text) {
    return std::find(told.begin(), told.end(), std::pair(control, text)) != told.end();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        w_ = std::make_unique<RealWindow>();
        connectWindows(w_->app, *w_->window);
        w_->app.frm1.mnuklang.checked = false;
        CardRecord card;
        card.frage = "Haus";
        card.antwort = "house";
        card.erstellt = "01.01.2026";
        QVERIFY(w_->app.store.k(1).append(card));
        w_->app.store.k(1).pos = 1;
        w_->app.store.ist[0] = 1;
        for (const char* menu : {"mnumoduswahl", "mnukastwahl"}) {
            w_->app.frm1.at(menu).visible = true;
        }
        QVERIFY(w_->choose("mnueingabe"));
        QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
    }
    void cleanup() {
        QAccessible::installUpdateHandler(nullptr);
        w_.reset();
    }

    // The main window, each window its menus and buttons open, and the error window.
    void everyFocusableControlHasAName() {
        RealWindow& w = *w_;
        const QString none = QStringLiteral("%1: ");
        QCOMPARE(unnamedIn(w.window.get()), none.arg("frm1"));
        const std::vector<std::pair<const char*, std::function<void()>>> windows = {
            {"frmfarb", [&] { w.app.showColourWindow(w.app); }},
            {"frmcsv", [&] { QVERIFY(w.choose("mnucsvimport")); }},
            {"frmexport", [&] { QVERIFY(w.choose("mnuexporttext")); }},
            {"frmprint", [&] { w.app.showPrintWindow(w.app); }},
            {"frminfo", [&] { QVERIFY(w.choose("mnuüber")); }},
            {"frmzeit", [&] { QVERIFY(w.choose("mnuabspann")); }},
            {"ErrPtnr",
             [&] {
                 w.platform.setApp(w.app), w.platform.reportError({"m", "p", 5});
             }},
            {"Schrift", [&] { w.platform.QtPlatform::fontDialog(std::nullopt); }},
        };
        for (const auto& [name, open] : windows) {
            QString unnamed;
            whenModal([&unnamed](QWidget* window) { unnamed = unnamedIn(window); });
            open();
            QCOMPARE(unnamed, none.arg(name));
        }
        w.app.showDeveloperWindow(w.app);
        auto* developer = w.window->findChild<QWidget*>(QStringLiteral("frmdebug"));
        QVERIFY(developer != nullptr);
        QCOMPARE(unnamedIn(developer), none.arg("frmdebug"));
    }

    // The answer's text when its cover goes, the count of the box a card moved into when it
    // is counted right.
    void revealingAndCountingAreTold() {
        RealWindow& w = *w_;
        told.clear();
        QAccessible::installUpdateHandler(record);
        w.platform.answers = {Answer::No};
        QVERIFY(w.choose("mnukk(0)"));
        QVERIFY(w.press("cmdantwort"));
        QVERIFY(wasTold("txtantwort", "house"));
        QVERIFY(w.press("cmdrichtig"));
        QVERIFY(wasTold("lblazist(1)", "Kasten 2: 1 Karten"));
        QVERIFY(wasTold("lblazist(0)", "Kasten 1: 0 Karten"));
    }

  private:
    std::unique_ptr<RealWindow> w_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::AccessibilityTest)
