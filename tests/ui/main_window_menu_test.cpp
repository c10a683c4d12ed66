// The real main window's menus: each access key does one thing.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <set>

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

    // Within a menu each access key leads to one entry, and the captions keep their texts.
    void everyAccessKeyOfAMenuIsItsOwn() {
        window_->load();
        for (auto& [name, control] : w_->app.frm1.controls()) {
            if (control.kind == ControlKind::Menu) control.visible = true;
        }
        window_->sync();
        std::vector<QList<QAction*>> menus = {window_->menuBar()->actions()};
        for (const QMenu* menu : window_->findChildren<QMenu*>()) menus.push_back(menu->actions());
        for (const QList<QAction*>& entries : menus) {
            std::set<QKeySequence> keys;
            for (const QAction* action : entries) {
                if (action->isSeparator()) continue;
                const std::string& caption =
                    w_->app.frm1.at(action->objectName().toStdString()).caption;
                QCOMPARE(QString(action->text()).remove('&'),
                         QString::fromStdString(caption).remove('&'));
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                if (key.isEmpty()) continue;
                QVERIFY2(keys.insert(key).second, qPrintable(action->text()));
            }
        }
    }

    // A letter chooses its entry at once, also where the designed captions share it.
    void aSharedLetterStillChoosesOneEntry() {
        window_->load();
        QMenu* fenster = window_->menu("mnufenster");
        for (const auto& [key, entry] :
             {std::pair{Qt::Key_V, "mnuverbergen"}, {Qt::Key_I, "mnutop"}}) {
            fenster->popup({0, 0});
            QVERIFY(QTest::qWaitForWindowExposed(fenster));
            const bool before = w_->app.frm1.at(entry).checked;
            QTest::keyClick(fenster, key);
            QVERIFY(!fenster->isVisible());
            QCOMPARE(w_->app.frm1.at(entry).checked, !before);
        }
    }

  private:
    std::unique_ptr<RealWindow> w_;
    MainWindow* window_ = nullptr;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::MainWindowMenuTest)
#include "main_window_menu_test.moc"
