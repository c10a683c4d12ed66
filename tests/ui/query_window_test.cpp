// One round of the query through the real window: its menu entries and buttons move the cards
// between the boxes, and after every press the widgets show what the model says.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QtTest>

#include "ui/real_window.h"

namespace memvalo::test {

class QueryWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A set of three cards in box 1, opened into entry mode as a loaded set is.
    void init() {
        w_ = std::make_unique<RealWindow>();
        App& app = w_->app;
        app.frm1.mnuklang.checked = false;
        Box& k1 = app.store.k(1);
        for (const std::string name : {"eins", "zwei", "drei"}) {
            QVERIFY(k1.append(card(name + "?", name)));
        }
        k1.pos = 1;
        app.store.ist[0] = k1.anz;
        for (const char* menu : {"mnumoduswahl", "mnukastwahl"}) app.frm1.at(menu).visible = true;
        QVERIFY(w_->choose("mnueingabe"));
        QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
        w_->platform.messages.clear();
    }
    void cleanup() { w_.reset(); }

    // The round is answered by keyboard after the reveal, and the box menu then offers the box
    // that received its first card during the query.
    void oneRoundMovesTheCardsAndTheWidgetsFollow() {
        RealWindow& w = *w_;
        QVERIFY(w.choose("mnuzufall"));
        QVERIFY(!w.window->menuAction("mnukk(1)")->isEnabled());
        QVERIFY(w.widget<QPlainTextEdit>("txtfrage")->isReadOnly());
        w.platform.answers = {Answer::No};
        QVERIFY(w.choose("mnukk(0)"));
        QCOMPARE(screen(), QStringLiteral("eins?|A| 3 von  250|3/250"));
        QCOMPARE(w.mirrorFault(), QString());

        QVERIFY(w.press("cmdantwort"));
        QCOMPARE(w.text("txtantwort"), QStringLiteral("eins"));
        QCOMPARE(shownButtons(), QStringLiteral("RF"));
        QCOMPARE(w.text("cmdrichtig"), QStringLiteral("Hurra!!\nAntwort war\nRICHTIG!"));
        QVERIFY(!w.window->menuAction("mnukastwahl")->isEnabled());
        QCOMPARE(w.mirrorFault(), QString());

        QCOMPARE(QApplication::focusWidget(), w.widget("cmdrichtig"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(w.app.store.k(2).anz, 1);
        QCOMPARE(screen(), QStringLiteral("zwei?|A| 2 von  250|2/250"));
        QVERIFY(w.shown("picantwort") && w.window->menuAction("mnukastwahl")->isEnabled());
        QCOMPARE(w.mirrorFault(), QString());

        QVERIFY(w.press("cmdantwort"));
        QVERIFY(w.press("cmdfalsch"));
        QCOMPARE(w.app.store.k(1)[1].falsch.text(), FixedText("1").text());
        QCOMPARE(screen(), QStringLiteral("drei?|A| 2 von  250|2/250"));
        QCOMPARE(w.mirrorFault(), QString());

        openMenu("mnukastwahl");
        w.platform.answers = {Answer::Yes};
        QVERIFY(w.choose("mnukk(1)"));
        QCOMPARE(w.text("txtfrage"), QStringLiteral("eins?"));
        QCOMPARE(w.text("lbldatum1"), QString::fromStdString(w.app.platform.today()).trimmed());
        QVERIFY(w.window->menuAction("mnukk(1)")->isChecked());
        QVERIFY(!w.window->menuAction("mnukk(0)")->isChecked());
    }

    // A message stands over the window as the answer has left it so far.
    void theWindowShowsTheAnswerBeforeItsMessage() {
        RealWindow& w = *w_;
        QVERIFY(w.app.store.k(2).append(card("vier?", "vier")));
        w.app.store.ist[1] = 1;
        w.app.frm1.lblazist[1].caption = "1";
        QVERIFY(w.choose("mnuzufall"));
        w.platform.answers = {Answer::No};
        QVERIFY(w.choose("mnukk(1)"));
        QVERIFY(w.press("cmdantwort"));
        QString seen;
        w.platform.whileShown = [&] {
            seen = w.text("lblazist(1)") + "|" + w.text("lblazist(2)") + "|" +
                   shownButtons().remove(QLatin1Char('A'));
        };
        QVERIFY(w.press("cmdrichtig"));
        QCOMPARE(w.platform.messages.back(), "Geschafft!!\rKarteikasten 2 ist leer!");
        QCOMPARE(seen, QStringLiteral("0|1|"));
    }

  private:
    // Which of the three query buttons show: "A" reveal, "R" correct, "F" wrong.
    QString shownButtons() const {
        return QString(w_->shown("cmdantwort") ? "A" : "") + (w_->shown("cmdrichtig") ? "R" : "") +
               (w_->shown("cmdfalsch") ? "F" : "");
    }
    // The question, the buttons, and the progress bar's text, value and maximum.
    QString screen() const {
        const auto* bar = w_->widget<QProgressBar>("progress");
        return w_->text("txtfrage") + "|" + shownButtons() + "|" + bar->text() +
               QStringLiteral("|%1/%2").arg(bar->value()).arg(bar->maximum());
    }

    // Opens a menu of the menu bar with the mouse, as the learner does, and closes it again.
    void openMenu(const char* name) {
        QMenuBar* menuBar = w_->window->menuBar();
        const QRect head = menuBar->actionGeometry(w_->window->menuAction(name));
        QTest::mouseClick(menuBar, Qt::LeftButton, {}, head.center());
        QMenu* menu = w_->window->menu(name);
        QVERIFY(menu->isVisible());
        menu->close();
    }

    std::unique_ptr<RealWindow> w_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::QueryWindowTest)
#include "app/app.h"
#include "query_window_test.moc"
