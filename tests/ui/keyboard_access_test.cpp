// A learner types cards by keyboard alone: Tab leaves a card field for the next one, and the
// study buttons have keys that work while the focus is in a field.
#include <QAction>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QtTest>

#include "ui/desktop_setup.h"
#include "ui/event_registry.h"
#include "ui/main_window.h"
#include "ui/quiet_platform.h"

namespace memvalo::test {

class KeyboardAccessTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        platform_ = std::make_unique<QuietPlatform>();
        app_ = std::make_unique<App>(*platform_);
        useTemporaryFolders(*app_, *dir_);
        events_ = EventTable();
        registerAllEvents(events_);
        describeDesktop(*app_);
        window_ = std::make_unique<MainWindow>(*app_, events_);
        platform_->setMainWindow(window_.get());
        window_->load();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->menuAction("mnudatneu")->trigger();
    }
    void cleanup() {
        window_.reset();
        app_.reset();
    }

    void tabLeadsFromTheQuestionToTheAnswer() {
        QWidget* frage = field("txtfrage");
        QCOMPARE(QApplication::focusWidget(), frage);
        QTest::keyClicks(frage, QStringLiteral("Hund"));
        QTest::keyClick(frage, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field("txtantwort"));
        QCOMPARE(field("txtfrage")->toPlainText(), QStringLiteral("Hund"));
    }

    void altRightTypesTheNextCard() {
        QTest::keyClicks(field("txtfrage"), QStringLiteral("Hund"));
        QTest::keyClick(field("txtfrage"), Qt::Key_Tab);
        QTest::keyClicks(field("txtantwort"), QStringLiteral("dog"));
        QTest::keyClick(field("txtantwort"), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(app_->store.k(1).anz, 2);
        QCOMPARE(app_->store.k(1)[1].frage, std::string("Hund"));
        QCOMPARE(field("txtfrage")->toPlainText(), QString());
        QCOMPARE(QApplication::focusWidget(), field("txtfrage"));
    }

    // While typing, the keys of the hidden answer buttons leave Ctrl+Return to the field.
    void keysOfHiddenButtonsAreNotTaken() {
        for (QShortcut* key : window_->findChildren<QShortcut*>()) {
            const bool forAnswers = key->key() == QKeySequence(QStringLiteral("Ctrl+Return")) ||
                                    key->key() == QKeySequence(QStringLiteral("Ctrl+R")) ||
                                    key->key() == QKeySequence(QStringLiteral("Ctrl+F"));
            QCOMPARE(key->isEnabled(), !forAnswers);
        }
    }

  private:
    QPlainTextEdit* field(const char* name) const {
        return window_->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QuietPlatform> platform_;
    std::unique_ptr<App> app_;
    EventTable events_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::KeyboardAccessTest)
#include "keyboard_access_test.moc"
