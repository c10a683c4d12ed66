// The main window mirrors the model and forwards what the user does, and nothing more; each
// access key of its menus does one thing.
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>
#include <set>
#include <stdexcept>

#include "settings/design_layout.h"
#include "ui/real_window.h"

namespace memvalo::test {

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        changes_ = 0;
        keys_.clear();
        w_ = std::make_unique<RealWindow>([this](EventTable& events) {
            events.add("txtfrage", "Change", [this](App&, UiEvent&) { ++changes_; });
            events.add("txtfrage", "KeyPress", [this](App&, UiEvent& e) {
                keys_.push_back(e.key);
                if (e.key == 'x') e.key = 0;
            });
        });
        app_ = &w_->app;
        platform_ = &w_->platform;
        window_ = w_->window.get();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() { w_.reset(); }

    void syncingFiresNothingButTypingIsForwarded() {
        app_->frm1.txtfrage.locked = false;
        app_->frm1.picfrage.visible = false;
        app_->frm1.txtfrage.caption = "Haus\r\nGarten";
        window_->sync();
        auto* field = window_->findChild<QPlainTextEdit*>("txtfrage");
        QCOMPARE(field->toPlainText(), QStringLiteral("Haus\nGarten"));
        QCOMPARE(changes_, 0);
        field->setFocus();
        field->moveCursor(QTextCursor::End);
        QTest::keyClicks(field, "!x");
        QCOMPARE(changes_, 1);
        QCOMPARE(app_->frm1.txtfrage.caption, "Haus\r\nGarten!");
        QCOMPARE(keys_, (std::vector<int>{'!', 'x'}));
    }

    void menuCommandsAndTheMinimumSizeReachTheModel() {
        window_->menuAction("mnuklang")->trigger();
        QVERIFY(!app_->frm1.mnuklang.checked);
        QVERIFY(!window_->menuAction("mnuklang")->isChecked());
        // The settings file keeps the option at once, not only when the program ends.
        QFile settings(QString::fromStdString(app_->paths.settingsFile));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("\r\nKlang aus\r\n"));
        window_->resize(200, 200);
        QTest::qWait(50);
        QVERIFY(app_->frm1.me.geometry.width >= kMinWindowWidth);
        QVERIFY(app_->frm1.me.geometry.height >= kMinWindowHeight);
        const int wide = app_->frm1.txtfrage.geometry.width;
        window_->resize(900, 700);
        QTRY_VERIFY(app_->frm1.txtfrage.geometry.width > wide);
        QCOMPARE(window_->findChild<QWidget*>("txtfrage")->width(),
                 app_->frm1.txtfrage.geometry.width / 15);
    }

    // The icon is read once the window is drawn, and still arrives.
    void theWindowGetsItsIconAfterItsFirstFrame() {
        QTRY_VERIFY(!window_->windowIcon().isNull());
        QVERIFY(window_->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void theCloseSymbolKeepsTheWindowWhenItMinimises() {
        window_->menuAction("mnumini")->trigger();
        app_->settings.trayAvailable = false;
        QVERIFY(!window_->close());
        QCOMPARE(app_->frm1.windowState, WindowState::Minimized);
        QCOMPARE(platform_->unloads, 0);
        window_->menuAction("mnumini")->trigger();
        QVERIFY(window_->close());
        QCOMPARE(platform_->unloads, 1);
        QVERIFY(QFile::exists(QString::fromStdString(app_->paths.settingsFile)));
    }

    // Within a menu each access key leads to one entry, and the captions keep their texts.
    void everyAccessKeyOfAMenuIsItsOwn() {
        for (auto& [name, control] : app_->frm1.controls()) {
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
                    app_->frm1.at(action->objectName().toStdString()).caption;
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
        QMenu* fenster = window_->menu("mnufenster");
        for (const auto& [key, entry] :
             {std::pair{Qt::Key_V, "mnuverbergen"}, {Qt::Key_I, "mnutop"}}) {
            fenster->popup({0, 0});
            QVERIFY(QTest::qWaitForWindowExposed(fenster));
            const bool before = app_->frm1.at(entry).checked;
            QTest::keyClick(fenster, key);
            QVERIFY(!fenster->isVisible());
            QCOMPARE(app_->frm1.at(entry).checked, !before);
        }
    }

    // A fault, of the standard kind or not, ends any event procedure there: the commands with
    // a message of their own show it, the others end silently, and nothing reaches Qt.
    void everyEventProcedureKeepsItsFaultToItself() {
        int registered = 0;
        w_->events.wrapEach([&registered](EventHandler) -> EventHandler {
            ++registered;
            return [](App&, UiEvent& event) {
                if (event.key == 0) throw std::runtime_error("kaputt");
                throw event.key;
            };
        });
        platform_->messages.clear();
        int reached = 0;
        for (const int key : {0, 1}) {
            for (const auto& [control, c] : app_->frm1.controls()) {
                for (const char* name :
                     {"Click", "Change", "KeyPress", "KeyDown", "KeyUp", "MouseDown", "LostFocus",
                      "Load", "Resize", "QueryUnload", "EndAfterFault"}) {
                    UiEvent event{control, name};
                    event.key = key;
                    try {
                        reached += w_->events.dispatch(*app_, event) ? 1 : 0;
                    } catch (...) {
                        QFAIL(qPrintable(QString::fromStdString(control + " " + name)));
                    }
                }
            }
        }
        QCOMPARE(reached, 2 * registered);
        const std::string lost = "Der Befehl wurde wegen eines unerwarteten Fehlers abgebrochen:\r";
        const std::string search =
            "Die Kartensuche wurde wegen eines unerwarteten Fehlers beendet:\r";
        const std::set<std::string> shown(platform_->messages.begin(), platform_->messages.end());
        QCOMPARE(shown, (std::set<std::string>{
                            "Fehler beim Öffnen !\r",
                            "Fehler beim Öffnen !\rEventuell fehlen die Dateien kreis.gif und "
                            "dreieck.gif",
                            "Fehler beim Abspeichern! Evtl. abgebrochen...\"", lost + "kaputt",
                            lost + "Unbekannter Fehler", search + "kaputt",
                            search + "Unbekannter Fehler"}));
    }

  private:
    std::unique_ptr<RealWindow> w_;
    App* app_ = nullptr;
    QuietPlatform* platform_ = nullptr;
    MainWindow* window_ = nullptr;
    int changes_ = 0;
    std::vector<int> keys_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::MainWindowTest)
#include "app/app.h"
#include "main_window_test.moc"
