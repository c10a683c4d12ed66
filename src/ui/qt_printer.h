#pragma once
// The desktop's printers through Qt: the installed printers draw with QPrinter, and a PDF
// file is drawn with QPdfWriter on A4 pages and written in one piece once it is complete.
#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <memory>

#include "core/platform.h"

class QPagedPaintDevice;

namespace memvalo {

class QtPrinter : public Printer {
  public:
    QtPrinter();
    ~QtPrinter() override;

    std::vector<std::string> deviceNames() override;
    std::string currentDevice() override;
    bool select(const std::string& deviceName) override;
    bool beginDocument(const std::string& title, const std::string& pdfPath) override;
    double printableWidth() override;
    double printableHeight() override;
    void setFont(const PrintFont& font) override;
    double textWidth(std::string_view text) override;
    double lineHeight() override;
    void printText(double x, double y, std::string_view text) override;
    void newPage() override;
    bool endDocument() override;
    void abortDocument() override;

  private:
    void close();
    double pixelsPerMillimetre() const;

    std::string current_;
    bool currentKnown_ = false;
    std::unique_ptr<QPagedPaintDevice> device_;
    QBuffer pdfBytes_;
    std::string pdfPath_;
    QPainter painter_;
    QFont font_;
};

}  // namespace memvalo
