// The main window's layout as the learner sees it: every date and the wrong-answer count has
// its caption beside it, and no visible control hides another, at any window size.
#include <QLabel>
#include <QtTest>
#include <set>

#include "ui/real_window.h"

namespace memvalo::test {

namespace {

const std::vector<std::pair<const char*, QString>> kCaptions = {
    {"lbldatum0", "erstellt am:"},    {"lbldatum1", "in Kasten 2 am:"},
    {"lbldatum2", "in Kasten 3 am:"}, {"lbldatum3", "in Kasten 4 am:"},
    {"lbldatum4", "in Kasten 5 am:"}, {"lblfalsch", "bisher falsch:"}};

// The covers lie over their fields on purpose.
bool coversItsField(const QString& a, const QString& b) {
    static const std::set<std::pair<QString, QString>> pairs = {{"picfrage", "txtfrage"},
                                                                {"picantwort", "txtantwort"},
                                                                {"piczusatz1", "txtzusatz1"},
                                                                {"piczusatz2", "txtzusatz2"}};
    return pairs.count({a, b}) > 0 || pairs.count({b, a}) > 0;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        w_ = std::make_unique<RealWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
    }
    void cleanup() { w_.reset(); }

    void theDatesAndTheWrongCountHaveTheirCaptions_data() { sizes(); }
    void theDatesAndTheWrongCountHaveTheirCaptions() {
        QFETCH(QSize, size);
        resizeTo(size);
        for (const auto& [name, text] : kCaptions) {
            const QWidget* label = w_->widget(name);
            const auto* caption = w_->window->findChild<QLabel*>(QString(name) + "_caption");
            QVERIFY2(caption != nullptr, name);
            QCOMPARE(caption->text(), text);
            QVERIFY(caption->isVisible());
            QCOMPARE(caption->y(), label->y());
            QVERIFY2(caption->geometry().right() < label->x(), name);
            QVERIFY2(caption->width() >= caption->fontMetrics().horizontalAdvance(text), name);
        }
    }

    void noVisibleControlHidesAnother_data() { sizes(); }
    void noVisibleControlHidesAnother() {
        QFETCH(QSize, size);
        resizeTo(size);
        checkNothingOverlaps("before a set");
        App& app = w_->app;
        app.frm1.mnuklang.checked = false;
        CardRecord card;
        card.frage = "Frage";
        card.antwort = "Antwort";
        QVERIFY(app.store.k(1).append(card));
        app.store.k(1).pos = 1;
        app.store.ist[0] = 1;
        QVERIFY(w_->choose("mnueingabe"));
        checkNothingOverlaps("entry");
        QVERIFY(w_->choose("mnuzufall"));
        w_->platform.answers = {Answer::No};
        QVERIFY(w_->choose("mnukk(0)"));
        checkNothingOverlaps("query");
        QVERIFY(w_->press("cmdantwort"));
        checkNothingOverlaps("answer shown");
    }

  private:
    static void sizes() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("designed") << QSize(600, 570);
        QTest::newRow("smallest") << QSize(550, 528);
        QTest::newRow("large") << QSize(1200, 900);
    }

    void resizeTo(const QSize& size) {
        w_->window->resize(size);
        QCoreApplication::processEvents();
    }

    void checkNothingOverlaps(const char* state) const {
        std::vector<const QWidget*> shown;
        const QWidget* area = w_->window->centralWidget();
        for (const QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible()) shown.push_back(child);
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const QString a = shown[i]->objectName();
                const QString b = shown[j]->objectName();
                if (coversItsField(a, b)) continue;
                QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                         qPrintable(QString("%1: %2 and %3").arg(state, a, b)));
            }
        }
    }

    std::unique_ptr<RealWindow> w_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::WindowLayoutTest)
#include "window_layout_test.moc"
