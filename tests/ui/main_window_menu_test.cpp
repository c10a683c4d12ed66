// The real main window carries every entry of the designed menu, with its caption, shortcut,
// place in the menu tree and design-time state.
#include <QMenuBar>
#include <QtTest>

#include "model/main_menu_table.h"
#include "ui/real_window.h"

namespace memvalo::test {

class MainWindowMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        w_ = std::make_unique<RealWindow>(nullptr, false);
        window_ = w_->window.get();
    }
    void cleanup() { w_.reset(); }

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
        QCOMPARE(window_->menuAction("mnudatneu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    }

    void beforeASetOnlyTheBasicMenusShow() {
        window_->load();
        QCOMPARE(w_->platform.messages.size(), std::size_t{1});  // the first start
        for (const char* shown : {"mnudatei", "mnueinstell", "mnufenster", "mnuinfo"}) {
            QVERIFY2(window_->menuAction(shown)->isVisible(), shown);
        }
        for (const char* hidden : {"mnukastwahl", "mnumoduswahl", "mnumultimedia", "mnuoptabfrage",
                                   "st1", "mnuprint", "mnuexporttext", "m(1)", "mnudebug"}) {
            QVERIFY2(!window_->menuAction(hidden)->isVisible(), hidden);
        }
        QVERIFY(window_->menuAction("mnueingabe")->isChecked());
        QVERIFY(!window_->menuAction("mnudatspeiunter")->isEnabled());
    }

  private:
    std::unique_ptr<RealWindow> w_;
    MainWindow* window_ = nullptr;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::MainWindowMenuTest)
#include "main_window_menu_test.moc"
