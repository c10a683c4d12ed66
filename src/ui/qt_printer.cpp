#include "ui/qt_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/safe_file.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

// The PDF page leaves the strips of a printer's usual unprintable edge, so the cards land
// where they would on paper; the bottom cut line still fits on the page.
const QMarginsF kPdfMargins(4, 2, 4, 2);
constexpr double kMillimetresPerInch = 25.4;

}  // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) abortDocument();
}

std::vector<std::string> QtPrinter::deviceNames() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(fromQt(name));
    return names;
}

std::string QtPrinter::currentDevice() {
    if (!currentKnown_) {
        currentKnown_ = true;
        current_ = fromQt(QPrinterInfo::defaultPrinterName());
        if (current_.empty()) {
            const std::vector<std::string> names = deviceNames();
            if (!names.empty()) current_ = names.front();
        }
    }
    return current_;
}

bool QtPrinter::select(const std::string& deviceName) {
    const std::vector<std::string> names = deviceNames();
    if (std::find(names.begin(), names.end(), deviceName) == names.end()) return false;
    current_ = deviceName;
    currentKnown_ = true;
    return true;
}

bool QtPrinter::beginDocument(const std::string& title, const std::string& pdfPath) {
    close();
    const QPageSize a4(QPageSize::A4);
    if (pdfPath.empty()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(toQt(currentDevice()));
        printer->setDocName(toQt(title));
        printer->setPageSize(a4);
        device_ = std::move(printer);
    } else {
        pdfBytes_.setData(QByteArray());
        if (!pdfBytes_.open(QIODevice::WriteOnly)) return false;
        auto writer = std::make_unique<QPdfWriter>(&pdfBytes_);
        writer->setTitle(toQt(title));
        writer->setCreator(QStringLiteral("Memvalo"));
        writer->setPageLayout(
            QPageLayout(a4, QPageLayout::Portrait, kPdfMargins, QPageLayout::Millimeter));
        device_ = std::move(writer);
        pdfPath_ = pdfPath;
    }
    if (!painter_.begin(device_.get())) {
        close();
        return false;
    }
    painter_.setPen(Qt::black);
    painter_.setFont(font_);
    return true;
}

double QtPrinter::pixelsPerMillimetre() const {
    return device_ ? device_->logicalDpiY() / kMillimetresPerInch : 1.0;
}

double QtPrinter::printableWidth() {
    return device_ ? device_->pageLayout().paintRect(QPageLayout::Millimeter).width() : 0;
}

double QtPrinter::printableHeight() {
    return device_ ? device_->pageLayout().paintRect(QPageLayout::Millimeter).height() : 0;
}

void QtPrinter::setFont(const PrintFont& font) {
    QFont f;
    if (font.fixedPitch) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setStyleHint(QFont::Monospace);
        f.setFixedPitch(true);
    }
    if (!font.name.empty()) f.setFamily(toQt(font.name));
    f.setPointSizeF(font.size);
    font_ = f;
    if (painter_.isActive()) painter_.setFont(font_);
}

double QtPrinter::textWidth(std::string_view text) {
    return QFontMetricsF(font_, device_.get()).horizontalAdvance(toQt(text)) /
           pixelsPerMillimetre();
}

double QtPrinter::lineHeight() {
    return QFontMetricsF(font_, device_.get()).height() / pixelsPerMillimetre();
}

void QtPrinter::printText(double x, double y, std::string_view text) {
    if (!painter_.isActive()) return;
    const double scale = pixelsPerMillimetre();
    const double ascent = QFontMetricsF(font_, device_.get()).ascent();
    painter_.drawText(QPointF(x * scale, y * scale + ascent), toQt(text));
}

void QtPrinter::newPage() {
    if (device_) device_->newPage();
}

bool QtPrinter::endDocument() {
    bool ok = painter_.end();
    if (!pdfPath_.empty()) {
        pdfBytes_.close();
        const QByteArray& bytes = pdfBytes_.data();
        ok = ok && !bytes.isEmpty() &&
             !writeFileAtomically(
                 pdfPath_,
                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    close();
    return ok;
}

void QtPrinter::abortDocument() {
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get())) printer->abort();
    if (painter_.isActive()) painter_.end();
    close();
}

void QtPrinter::close() {
    device_.reset();
    if (pdfBytes_.isOpen()) pdfBytes_.close();
    pdfBytes_.setData(QByteArray());
    pdfPath_.clear();
}

}  // namespace memvalo
