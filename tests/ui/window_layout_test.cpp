// The main window's layout as the learner sees it, at any window size: every date and the
// wrong-answer count has its caption beside it, no visible control hides another, every
// caption shows whole, every menu stays on the bar, and every text reads on its background in
// every colour scheme.
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest>
#include <map>
#include <set>

#include "ui/colour_contrast.h"
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

// The text a widget shows; empty for one that shows none.
QString shownText(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(w)) return edit->toPlainText();
    if (const auto* bar = qobject_cast<const QProgressBar*>(w)) return bar->text();
    return {};
}

// How strongly the text drawn in `place` of the screenshot stands out: each pixel against the
// most common colour of its row, which is the background there; the strongest of them.
double drawnContrast(const QImage& shot, const QRect& place) {
    double strongest = 1;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        std::map<QRgb, int> counts;
        for (int x = place.left(); x <= place.right(); ++x) ++counts[shot.pixel(x, y)];
        QRgb background = counts.begin()->first;
        for (const auto& [colour, count] : counts) {
            if (count > counts[background]) background = colour;
        }
        for (const auto& [colour, count] : counts) {
            strongest = std::max(strongest, contrast(QColor(colour), QColor(background)));
        }
    }
    return strongest;
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

    void theLayoutHoldsAtEverySize_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("designed") << QSize(600, 570);
        QTest::newRow("smallest") << QSize(550, 528);
        QTest::newRow("large") << QSize(1200, 900);
    }
    void theLayoutHoldsAtEverySize() {
        QFETCH(QSize, size);
        w_->window->resize(size);
        QCoreApplication::processEvents();
        // Every date and the wrong-answer count has its caption beside it; that the caption
        // shows whole, the check for clipped labels below tells.
        for (const auto& [name, text] : kCaptions) {
            const QWidget* label = w_->widget(name);
            const auto* caption = w_->window->findChild<QLabel*>(QString(name) + "_caption");
            QVERIFY2(caption != nullptr, name);
            QCOMPARE(caption->text(), text);
            QVERIFY(caption->isVisible());
            QCOMPARE(caption->y(), label->y());
            QVERIFY2(caption->geometry().right() < label->x(), name);
        }
        checkNothingOverlaps("before a set");
        for (const char* menu : {"mnumoduswahl", "mnukastwahl", "mnumultimedia"}) {
            w_->app.frm1.at(menu).visible = true;
        }
        enterACard();
        checkNothingOverlaps("entry");
        QVERIFY(w_->choose("mnuzufall"));
        w_->platform.answers = {Answer::No};
        QVERIFY(w_->choose("mnukk(0)"));
        checkNothingOverlaps("query");
        QVERIFY(w_->press("cmdantwort"));
        checkNothingOverlaps("answer shown");
    }

    void everyTextReadsInEveryScheme_data() {
        QTest::addColumn<QString>("scheme");
        for (const char* entry :
             {"mnufarbselbst", "mnudefault", "mnufarbverlauf", "mnusystemfarb"}) {
            QTest::newRow(entry) << QString(entry);
        }
    }
    void everyTextReadsInEveryScheme() {
        QFETCH(QString, scheme);
        enterACard();
        QVERIFY(w_->choose(scheme.toUtf8().constData()));
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        const QImage shot = w_->window->grab().toImage();
        const QWidget* area = w_->window->centralWidget();
        for (const QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible() || shownText(child).trimmed().isEmpty()) continue;
            // Inside the frame a field or button draws around its text.
            const int frame = qobject_cast<const QLabel*>(child) != nullptr ? 0 : 4;
            const QRect place(child->mapTo(w_->window.get(), QPoint(frame, frame)),
                              child->size() - QSize(2 * frame, 2 * frame));
            const double needed = neededContrast(child->font()) - 0.1;
            QVERIFY2(drawnContrast(shot, place) >= needed,
                     qPrintable(child->objectName() + ": " + shownText(child)));
        }
    }

  private:
    // A set of one card, in entry mode.
    void enterACard() {
        App& app = w_->app;
        app.frm1.mnuklang.checked = false;
        QVERIFY(app.store.k(1).append(card("Frage", "Antwort", "Zusatz")));
        app.store.ist[0] = 1;
        QVERIFY(w_->choose("mnueingabe"));
    }

    // Nothing is cut off: each caption fits its label, each menu has its place on the bar.
    void checkNothingClipped(const char* state) const {
        const QWidget* area = w_->window->centralWidget();
        for (const QLabel* label : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!label->isVisible() || label->text().isEmpty()) continue;
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                room, static_cast<int>(label->alignment()), label->text());
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(QString("%1: %2").arg(state, label->text())));
        }
        const QMenuBar* bar = w_->window->menuBar();
        for (QAction* menu : bar->actions()) {
            if (!menu->isVisible()) continue;
            QVERIFY2(bar->rect().contains(bar->actionGeometry(menu)) &&
                         !bar->actionGeometry(menu).isEmpty(),
                     qPrintable(QString("%1: %2").arg(state, menu->text())));
        }
    }

    void checkNothingOverlaps(const char* state) const {
        checkNothingClipped(state);
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
#include "app/app.h"
#include "window_layout_test.moc"
