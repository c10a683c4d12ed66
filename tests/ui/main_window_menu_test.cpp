// The real main window carries every entry of the designed menu, with its caption, shortcut,
// place in the menu tree and design-time state.
#include <QMenuBar>
#include <QtTest>

#include "model/main_menu_table.h"
#include "ui/desktop_setup.h"
#include "ui/event_registry.h"
#include "ui/main_window.h"
#include "ui/quiet_platform.h"

namespace memvalo::test {

class MainWindowMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        platform_ = std::make_unique<QuietPlatform>();
        app_ = std::make_unique<App>(*platform_);
        useTemporaryFolders(*app_, *dir_);
        registerAllEvents(events_);
        describeDesktop(*app_);
        window_ = std::make_unique<MainWindow>(*app_, events_);
    }
    void cleanup() {
        window_.reset();
        app_.reset();
    }

    // As designed, before the start-up puts its own captions on the program entries.
    void everyEntryHasItsCaptionShortcutAndPlace() {
        window_->sync();
        QMenuBar* bar = window_->menuBar();
        for (const MenuEntry& entry : mainMenuTable()) {
            const QString name = QString::fromUtf8(entry.name.data(), entry.name.size());
            auto* action = window_->findChild<QAction*>(name);
            QVERIFY2(action != nullptr, qPrintable(name));
            if (entry.caption == "-") {
                QVERIFY2(action->isSeparator() && action->text().isEmpty(), qPrintable(name));
            } else {
                QCOMPARE(action->text(),
                         QString::fromUtf8(entry.caption.data(), entry.caption.size()));
            }
            QCOMPARE(action->shortcut(),
                     QKeySequence(QString::fromUtf8(entry.shortcut.data(), entry.shortcut.size())));
            const QList<QAction*> siblings =
                entry.parent.empty() ? bar->actions()
                                     : window_->menu(std::string(entry.parent))->actions();
            QVERIFY2(siblings.contains(action), qPrintable(name));
        }
        QCOMPARE(window_->menuAction("mnuverdecktunten")->menu(), nullptr);
        QVERIFY(window_->menuAction("mnufont")->menu() != nullptr);
        QCOMPARE(window_->menuAction("mnudatneu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    }

    void beforeASetOnlyTheBasicMenusShow() {
        window_->load();
        QCOMPARE(platform_->messages.size(), std::size_t{1});  // the first start
        for (const char* shown : {"mnudatei", "mnueinstell", "mnufenster", "mnuinfo"}) {
            QVERIFY2(window_->menuAction(shown)->isVisible(), shown);
        }
        for (const char* hidden : {"mnukastwahl", "mnumoduswahl", "mnumultimedia", "mnuoptabfrage",
                                   "st1", "mnuprint", "mnuexporttext", "m(1)", "mnudebug"}) {
            QVERIFY2(!window_->menuAction(hidden)->isVisible(), hidden);
        }
        QVERIFY(window_->menuAction("mnuklang")->isChecked());
        QVERIFY(window_->menuAction("mnueingabe")->isChecked());
        QVERIFY(window_->menuAction("mnufarbselbst")->isChecked());
        QVERIFY(!window_->menuAction("mnudatspeiunter")->isEnabled());
        QVERIFY(window_->menuAction("strich4")->isSeparator());
        QVERIFY(window_->menuAction("strich4")->text().isEmpty());
    }

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QuietPlatform> platform_;
    std::unique_ptr<App> app_;
    EventTable events_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::MainWindowMenuTest)
#include "main_window_menu_test.moc"
