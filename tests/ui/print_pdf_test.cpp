// Folding cards printed into a PDF file through Qt, read back with pdftotext: every text
// lands where the card strips of the sheet put it.
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

#include "print/card_sheets.h"
#include "print/print_window.h"
#include "ui/quiet_platform.h"

namespace memvalo::test {

namespace {

// Answers the PDF file dialog with a fixed path.
class PdfPlatform : public QuietPlatform {
  public:
    std::optional<std::string> saveFileDialog(const FileDialog&) override { return pdfPath; }
    std::string pdfPath;
};

struct Word {
    int page = 0;
    double left = 0;  // millimetres from the page's top-left corner
    double top = 0;
    double right = 0;
    QString text;
};

constexpr double kMillimetresPerPoint = 25.4 / 72;
// Where the printable area of the PDF page begins.
constexpr double kMarginLeft = 4;
constexpr double kMarginTop = 2;

std::vector<Word> wordsOf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        qWarning() << "pdftotext (poppler-utils) failed:" << pdftotext.errorString();
        return {};
    }
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"[\\d.]+\">([^<]*)</word>"));
    std::vector<Word> words;
    int page = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(1).toDouble() * kMillimetresPerPoint,
                         m.captured(2).toDouble() * kMillimetresPerPoint,
                         m.captured(3).toDouble() * kMillimetresPerPoint, m.captured(4)});
    }
    return words;
}

}  // namespace

class PrintPdfTest : public QObject {
    Q_OBJECT

  private slots:
    void cardsLandInTheirStripsOfTheSheet() {
        QTemporaryDir dir;
        PdfPlatform platform;
        platform.pdfPath = dir.filePath(QStringLiteral("karten.pdf")).toStdString();
        App app(platform);
        useTemporaryFolders(app, dir);
        app.frm1.txtfrage.font.name = "Arial";
        app.frm1.txtantwort.font.name = "Arial";
        for (int i = 1; i <= 5; ++i) {
            const std::string n = std::to_string(i);
            CardRecord card;
            card.frage = "Frage" + n;
            card.antwort = "Antwort" + n;
            app.store.k(1).append(card);
        }
        PrintWindowModel window;
        QVERIFY(frmprint_Load(app, window));
        QCOMPARE(window.printerNames.back(), std::string("PDF-Datei"));
        window.Combo1.caption = "PDF-Datei";
        optkasten_Click(window, 1);
        cmdausdruck_Click(app, window);
        QCOMPARE(platform.messages.size(), std::size_t{1});
        QVERIFY(platform.messages[0].find("wurde in die PDF-Datei") != std::string::npos);

        const std::vector<Word> words = wordsOf(QString::fromStdString(platform.pdfPath));
        QVERIFY2(!words.empty(), "no text read back from the PDF file");
        QCOMPARE(words.back().page, 2);
        for (int i = 1; i <= 5; ++i) {
            const CardStrip& strip = kCardStrips[static_cast<std::size_t>((i - 1) % 4)];
            const int page = (i - 1) / 4 + 1;
            const std::pair<QString, const SheetArea*> texts[] = {
                {QStringLiteral("Frage%1").arg(i), &strip.question},
                {QStringLiteral("Antwort%1").arg(i), &strip.answer}};
            for (const auto& [text, area] : texts) {
                const auto w = std::find_if(words.begin(), words.end(),
                                            [&](const Word& word) { return word.text == text; });
                QVERIFY2(w != words.end(), qPrintable(text));
                QCOMPARE(w->page, page);
                QVERIFY2(std::abs(w->left - (kMarginLeft + area->left)) <= 1, qPrintable(text));
                QVERIFY2(std::abs(w->top - (kMarginTop + area->top)) <= 1, qPrintable(text));
            }
        }
        // The cut lines, fitted with the real font, stay inside the printable width; where
        // their rows lie the sheet test shows.
        int cutLines = 0;
        for (const Word& w : words) {
            if (!w.text.startsWith(QStringLiteral("_"))) continue;
            ++cutLines;
            QVERIFY(w.left >= kMarginLeft + 5 - 1 && w.right <= kMarginLeft + 202 + 1);
        }
        QVERIFY(cutLines >= 2 * static_cast<int>(kCardStrips.size()));
    }
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::PrintPdfTest)
#include "app/app.h"
#include "print_pdf_test.moc"
