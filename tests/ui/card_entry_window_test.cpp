// Cards typed into the real window with the keyboard reach box 1 and survive paging through
// it with the buttons and the page keys; a learner works by keyboard alone, and the capacity
// fields take typing and corrections.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QtTest>

#include "core/card_store.h"
#include "ui/real_window.h"

namespace memvalo::test {

class CardEntryWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A fresh set: box 1 holds one empty card made today, and the window is in entry mode.
    void init() {
        w_ = std::make_unique<RealWindow>();
        App& app = w_->app;
        app.frm1.mnuklang.checked = false;
        leerds_erstellen(app.store, app.platform.today());
        Box& k1 = app.store.k(1);
        k1.anz = 1;
        k1.pos = 1;
        k1[1] = app.store.leerds;
        QVERIFY(w_->choose("mnueingabe"));
        w_->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_->window.get()));
        w_->platform.messages.clear();
    }
    void cleanup() { w_.reset(); }

    void typedCardsAreStoredAndSurvivePaging() {
        RealWindow& w = *w_;
        QVERIFY(!w.widget<QPlainTextEdit>("txtfrage")->isReadOnly());
        w.type("txtfrage", "Haus");
        QTest::keyClick(w.widget("txtfrage"), Qt::Key_Return);
        w.type("txtfrage", "und Garten");
        // Tab leads from field to field in the order of the card, as on a paper card, and
        // Alt+Right stores the card from inside a field and opens the next one.
        for (const auto& [next, text] :
             {std::pair{"txtantwort", "das \"Haus\""}, {"txtzusatz1", "n"}, {"txtzusatz2", "z"}}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w.widget(next));
            QTest::keyClicks(QApplication::focusWidget(), text);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), w.widget("txtfrage"));
        QCOMPARE(w.text("txtfrage") + w.text("lblxvony"), QStringLiteral(" 2 von  2"));

        w.type("txtfrage", "Bäume");
        w.type("txtantwort", "trees");
        QVERIFY(w.press("cmdzurück"));
        // Stored with the quotation-mark substitute, shown so while the option is off.
        QCOMPARE(w.text("txtfrage") + "|" + w.text("txtantwort") + "|" + w.text("txtzusatz1") +
                     "|" + w.text("txtzusatz2") + "|" + w.text("lblxvony"),
                 QStringLiteral("Haus\nund Garten|das ¨Haus¨|n|z| 1 von  2"));
        QVERIFY(w.press("cmdvor"));
        QCOMPARE(w.text("txtfrage"), QStringLiteral("Bäume"));
        QVERIFY(w.press("cmdanfang"));
        QCOMPARE(w.text("txtfrage"), QStringLiteral("Haus\nund Garten"));
        QVERIFY(w.press("cmdende"));
        QCOMPARE(w.text("txtantwort"), QStringLiteral("trees"));
        QVERIFY(w.platform.messages.empty());
        QCOMPARE(w.mirrorFault(), QString());

        const Box& k1 = w.app.store.k(1);
        QCOMPARE(k1.anz, 2);
        QCOMPARE((std::vector{k1[1].frage, k1[1].antwort, k1[1].zusatz1, k1[1].zusatz2, k1[2].frage,
                              k1[2].antwort}),
                 (std::vector<std::string>{"Haus\r\nund Garten", "das ¨Haus¨", "n", "z", "Bäume",
                                           "trees"}));
        QCOMPARE(k1[1].erstellt.text(), FixedText(w.app.platform.today()).text());
    }

    // The page keys reach the window from inside a field; the card typed last needs no forward
    // step: the way through the mode menu into the query keeps it.
    void thePageKeysAndTheModeMenuKeepTheTypedCards() {
        RealWindow& w = *w_;
        w.app.settings.blaettern = "ja";
        for (const char* menu : {"mnumoduswahl", "mnukastwahl"}) w.app.frm1.at(menu).visible = true;
        w.type("txtfrage", "eins");
        w.type("txtantwort", "one");
        QTest::keyClick(w.widget("txtantwort"), Qt::Key_PageUp);
        QCOMPARE(w.app.store.k(1).anz, 2);
        w.type("txtfrage", "zwei");
        w.type("txtantwort", "two");
        QTest::keyClick(w.widget("txtantwort"), Qt::Key_PageDown);
        QCOMPARE(w.text("txtfrage"), QStringLiteral("eins"));
        QCOMPARE(QApplication::focusWidget(), w.widget("txtfrage"));
        // A key the focused button leaves unused still pages once.
        w.widget("cmdende")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(w.text("lblxvony"), QStringLiteral(" 2 von  2"));
        QVERIFY(w.press("cmdende") && w.press("cmdvor"));
        w.type("txtfrage", "drei");
        w.type("txtantwort", "three");
        QMenuBar* bar = w.window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(w.window->menuAction("mnumoduswahl")).center());
        QCOMPARE(w.text("txtfrage"), QStringLiteral("eins"));
        w.window->menu("mnumoduswahl")->close();
        QVERIFY(w.choose("mnuzufall"));
        w.platform.answers = {Answer::No};
        QVERIFY(w.choose("mnukk(0)"));
        const Box& k1 = w.app.store.k(1);
        QCOMPARE(k1.anz, 3);
        QCOMPARE(k1[2].antwort + k1[3].antwort, "twothree");
        QCOMPARE(w.text("txtfrage"), QStringLiteral("eins"));
    }

    // While typing, the keys of the hidden answer buttons leave Ctrl+Return to the field.
    void keysOfHiddenButtonsAreNotTaken() {
        for (QShortcut* key : w_->window->findChildren<QShortcut*>()) {
            const bool forAnswers = key->key() == QKeySequence(QStringLiteral("Ctrl+Return")) ||
                                    key->key() == QKeySequence(QStringLiteral("Ctrl+R")) ||
                                    key->key() == QKeySequence(QStringLiteral("Ctrl+F"));
            QCOMPARE(key->isEnabled(), !forAnswers);
        }
    }

    // The fields hold no more than the program allows, whether typed or pasted.
    void theFieldsKeepTheirLengthLimits() {
        RealWindow& w = *w_;
        w.type("txtfrage", "Frage");
        w.type("txtantwort", "Antwort");
        w.type("txtzusatz1", QString(95, QLatin1Char('a')));
        w.type("txtzusatz1", "bcdefghij");
        QCOMPARE(w.text("txtzusatz1"), QString(95, QLatin1Char('a')) + "bcdef");
        paste("txtzusatz2", QString(150, QLatin1Char('z')));
        QCOMPARE(w.text("txtzusatz2").size(), 100);
        paste("txtantwort", QString(10001, QLatin1Char('x')));
        QVERIFY(w.press("cmdvor"));
        const CardRecord& stored = w.app.store.k(1)[1];
        QCOMPARE(stored.zusatz1.size(), std::size_t{100});
        QCOMPARE(stored.zusatz2, std::string(100, 'z'));
        QCOMPARE(stored.antwort.size(), std::size_t{10000});
    }

    // The capacity fields take digits only, yet a typed digit can be corrected, and the
    // keyboard selects and leaves them as in any field, which checks the value.
    void theCapacityFieldsTakeDigitsAndCorrections() {
        RealWindow& w = *w_;
        w.app.frm1.mnueinstell.visible = true;
        QVERIFY(w.choose("mnuazkändern"));
        auto* field = w.widget<QLineEdit>("txtazsoll(0)");
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, "0");
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(
            w.platform.messages,
            std::vector<std::string>{" Es sind schon mehr Karten im Kasten!\rMindestanzahl. 1"});
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, "3a0");
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, "5-");
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("5"));
        QCOMPARE(w.app.frm1.txtazsoll[0].caption, "5");
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.widget("txtazsoll(1)"));
    }

  private:
    void paste(const char* field, const QString& text) {
        QApplication::clipboard()->setText(text);
        w_->widget<QPlainTextEdit>(field)->paste();
    }

    std::unique_ptr<RealWindow> w_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::CardEntryWindowTest)
#include "app/app.h"
#include "card_entry_window_test.moc"
