// What a screen reader meets: every control of every window that the keyboard reaches has a
// name, and the revealed answer and the new counts are there to be read.
#include <QAccessible>
#include <QApplication>
#include <QtTest>
#include <functional>
#include <utility>
#include <vector>

#include "ui/real_window.h"

namespace memvalo::test {

namespace {

// The places below `node` in the accessibility tree that the keyboard reaches and that have no
// name to speak.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || child->state().invisible) continue;
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

QString spoken(QWidget* widget, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        w_ = std::make_unique<RealWindow>();
        w_->platform.connectWindows(w_->app, *w_->window);
        w_->app.frm1.mnuklang.checked = false;
        QVERIFY(w_->app.store.k(1).append(card("Haus", "house")));
        w_->app.store.k(1).pos = 1;
        w_->app.store.ist[0] = 1;
        for (const char* menu : {"mnumoduswahl", "mnukastwahl"}) {
            w_->app.frm1.at(menu).visible = true;
        }
        QVERIFY(w_->choose("mnueingabe"));
        QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
    }
    void cleanup() { w_.reset(); }

    // The main window, each window its menus and buttons open, and the error window.
    void everyFocusableControlHasAName() {
        RealWindow& w = *w_;
        const QString none = QStringLiteral("%1: ");
        QCOMPARE(unnamedIn(w.window.get()), none.arg("frm1"));
        const std::vector<std::pair<const char*, std::function<void()>>> windows = {
            {"frmfarb", [&] { w.platform.showColourWindow(); }},
            {"frmcsv", [&] { QVERIFY(w.choose("mnucsvimport")); }},
            {"frmexport", [&] { QVERIFY(w.choose("mnuexporttext")); }},
            {"frmprint", [&] { w.platform.showPrintWindow(); }},
            {"frminfo", [&] { QVERIFY(w.choose("mnuüber")); }},
            {"frmzeit", [&] { QVERIFY(w.choose("mnuabspann")); }},
            {"frmsuche", [&] { QVERIFY(w.choose("mnusuche")); }},
            {"ErrPtnr",
             [&] {
                 w.platform.setApp(w.app), w.platform.reportError({"m", "p", 5, "Fehler", 0});
             }},
            {"fontColourDialog", [&] { w.platform.QtPlatform::fontDialog(std::nullopt); }},
        };
        for (const auto& [name, open] : windows) {
            QString unnamed;
            whenModal([&unnamed](QWidget* window) { unnamed = unnamedIn(window); });
            open();
            QCOMPARE(unnamed, none.arg(name));
        }
        w.platform.showDeveloperWindow();
        auto* developer = w.window->findChild<QWidget*>(QStringLiteral("frmdebug"));
        QVERIFY(developer != nullptr);
        QCOMPARE(unnamedIn(developer), none.arg("frmdebug"));
    }

    // What a screen reader finds after the reveal and after the count. (The offscreen
    // platform has no assistive technology to receive the change events themselves.)
    void revealedAnswerAndNewCountsAreSpoken() {
        RealWindow& w = *w_;
        w.platform.answers = {Answer::No};
        QVERIFY(w.choose("mnukk(0)"));
        QVERIFY(w.press("cmdantwort"));
        QWidget* answer = w.widget("txtantwort");
        QCOMPARE(spoken(answer, QAccessible::Name), QStringLiteral("A"));
        QCOMPARE(spoken(answer, QAccessible::Value), QStringLiteral("house"));
        QCOMPARE(unnamedIn(w.window.get()), QStringLiteral("frm1: "));
        QVERIFY(w.press("cmdrichtig"));
        QCOMPARE(spoken(w.widget("lblazist(0)"), QAccessible::Name),
                 QStringLiteral("Kasten 1: 0 Karten"));
        QCOMPARE(spoken(w.widget("lblazist(1)"), QAccessible::Name),
                 QStringLiteral("Kasten 2: 1 Karte"));
    }

  private:
    std::unique_ptr<RealWindow> w_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::AccessibilityTest)
#include "accessibility_test.moc"
