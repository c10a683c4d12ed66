// The Qt side of the platform and the drawing helpers.
#include <QAbstractButton>
#include <QFontDialog>
#include <QHeaderView>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTranslator>
#include <QTreeView>
#include <QtTest>
#include <set>
#include <stdexcept>

#include "ui/caption_button.h"
#include "ui/colour_window.h"
#include "ui/error_window.h"
#include "ui/font_colour_dialog.h"
#include "ui/gradient_painter.h"
#include "ui/program.h"
#include "ui/qt_text.h"
#include "ui/quiet_platform.h"

namespace memvalo::test {

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void textsColoursAndFiltersAreTranslated() {
        QCOMPARE(displayText("Kasten 1 ist voll.\rBitte\r\nweiter\nso"),
                 QStringLiteral("Kasten 1 ist voll.\nBitte\nweiter\nso"));
        QCOMPARE(storedText(QStringLiteral("a\nb")), std::string("a\r\nb"));
        QCOMPARE(toQColor(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(fromQColor(QColor(1, 2, 3)), 0x030201u);
        QCOMPARE(qtFileFilter("Lernkartei (*.ldt)|*.ldt|Texte|*.txt;*.csv"),
                 QStringLiteral("Lernkartei (*.ldt);;Texte (*.txt *.csv)"));
    }

    void messageBoxesShowLinesDefaultAndAnswerWithClassicCodes() {
        QtPlatform platform;
        QString shownText;
        QString defaultButton;
        whenModal([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box != nullptr);
            shownText = box->text();
            defaultButton = box->defaultButton()->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        const Answer answer = platform.msgBox({"Kasten 1 ist voll.\rBitte leeren.", "Hinweis",
                                               Buttons::YesNoCancel, Icon::Question, 2});
        QCOMPARE(shownText + "|" + defaultButton,
                 QStringLiteral("Kasten 1 ist voll.\nBitte leeren.|&Nein"));
        QCOMPARE(static_cast<int>(answer), 2);  // Cancel
    }

    // Escape in the font chooser cancels the whole font window, and Return takes the font.
    void theFontWindowAnswersForItsChooser() {
        for (const auto key : {Qt::Key_Escape, Qt::Key_Return}) {
            bool closed = false;
            whenModal(
                [key](QWidget* window) { QTest::keyClick(window->findChild<QFontDialog*>(), key); },
                &closed);
            const auto choice = chooseFontAndColour(nullptr, FontChoice{"Sans", 12});
            QVERIFY(closed);
            QCOMPARE(choice.has_value(), key == Qt::Key_Return);
        }
    }

    // A long caption of the error window wraps rather than shrinks: all its buttons read alike.
    void theErrorWindowsButtonsShareOneFont() {
        QuietPlatform platform;
        App app(platform);
        ErrPtnrModel model;
        std::set<qreal> sizes;
        whenModal([&](QWidget* window) {
            for (const auto* button : window->findChildren<CaptionButton*>()) {
                if (button->isVisible()) sizes.insert(button->captionFont().pointSizeF());
            }
        });
        OnError(app, model, {"Module1", "anzeige", 481, "Ungültiges Bild"},
                [&] { showErrorWindow(app, model, nullptr); });
        QCOMPARE(sizes.size(), std::size_t{1});
    }

    // A file dialog reads in German, sizes and dates included, under whole column titles.
    void theFileDialogSpeaksGermanInWholeColumns() {
        QTranslator qtTexts;
        speakGerman(qtTexts);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("wörter.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Haus;house\r\n");
        file.close();
        QStringList shown;
        whenModal([&](QWidget* window) {
            auto* view = window->findChild<QTreeView*>(QStringLiteral("treeView"));
            QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 1);
            const QHeaderView* header = view->header();
            for (int column = 0; column < header->count(); ++column) {
                const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(
                    header->sectionSize(column) > header->fontMetrics().horizontalAdvance(title),
                    qPrintable(title));
                shown << view->model()->index(0, column, view->rootIndex()).data().toString();
            }
            for (const auto* button : window->findChildren<QPushButton*>()) {
                shown << button->text().remove(QLatin1Char('&'));
            }
        });
        QtPlatform platform;
        FileDialog dialog;
        dialog.initialFolder = dir.path().toStdString() + "/";
        QVERIFY(!platform.openFileDialog(dialog));
        QVERIFY2(shown.size() > 4 &&
                     QRegularExpression(QStringLiteral(R"(^\d\d\.\d\d\.\d\d \d\d:\d\d$)"))
                         .match(shown[3])
                         .hasMatch() &&
                     shown.contains(QStringLiteral("Abbrechen")),
                 qPrintable(shown.join(QLatin1Char('|'))));
    }

    void picturesAreMeasuredAndBrokenOnesRefused() {
        QuietPlatform platform;
        const std::string folder = std::getenv("MEMVALO_PROGRAM_FOLDER");
        const ImageSize size = platform.QtPlatform::imageSize(folder + "up.ico");
        QCOMPARE(std::pair(size.width, size.height), std::pair(32, 32));
        QTemporaryDir dir;
        const std::string broken = dir.path().toStdString() + "/kaputt.jpg";
        QFile file(QString::fromStdString(broken));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kein Bild");
        file.close();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, platform.QtPlatform::imageSize(broken));
        QVERIFY(!platform.QtPlatform::playWave(dir.path().toStdString() + "/fehlt.wav"));
    }

    void theGradientRunsFromItsDarkEdgeTowardsItsDirection() {
        QImage image(40, 40, QImage::Format_RGB32);
        QPainter painter(&image);
        const Gradient up{0x000000, 0xFFFFFF, GradientDirection::Up};
        paintGradient(painter, image.rect(), up);
        painter.end();
        QVERIFY(qGray(image.pixel(20, 1)) > 200);
        QVERIFY(qGray(image.pixel(20, 38)) < 50);
    }

    void theColourWindowSetsTheGradientFromItsScrollBars() {
        QuietPlatform platform;
        App app(platform);
        app.paths.programFolder = std::getenv("MEMVALO_PROGRAM_FOLDER");
        app.settings.farbschema = "farbverlauf";
        app.settings.verlauf = {0, 0, 0, 0};
        int repaints = 0;
        ColourWindow window(
            app, [&] { ++repaints; }, nullptr);
        auto* direction = window.findChild<QScrollBar*>("scrollrichtung");
        QCOMPARE(direction->value(), 1);
        QVERIFY(!window.findChild<QWidget*>("cmdauswahl(3)")->isEnabled());
        direction->setValue(4);
        QCOMPARE(app.settings.verlauf[3], 4);
        QCOMPARE(repaints, 1);
        window.findChild<QAbstractButton*>("cmdfarbende")->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::QtPlatformTest)
#include "app/app.h"
#include "qt_platform_test.moc"
