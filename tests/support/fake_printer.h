#pragma once
// A printer for tests: every character is size / 5 mm wide and a line is size / 2 mm high, so
// a test can tell where each line must land. It records the lines printed, page by page.
#include <string>
#include <vector>

#include "core/platform.h"

namespace memvalo::test {

class FakePrinter : public Printer {
  public:
    struct Line {
        int page = 0;  // 1 for the first page of the document
        double x = 0;
        double y = 0;
        std::string text;
        PrintFont font;
    };

    // The surroundings a test may change.
    std::vector<std::string> devices = {"Laser", "Tinte"};
    std::string current = "Laser";
    double width = 200;
    double height = 293;
    bool refuseBegin = false;
    bool failEnd = false;

    // What the program printed.
    std::vector<Line> lines;
    int pages = 0;
    std::vector<std::string> jobs;  // the device or PDF file of each document ended
    int aborted = 0;

    std::vector<std::string> deviceNames() override { return devices; }
    std::string currentDevice() override { return current; }
    bool select(const std::string& deviceName) override;
    bool beginDocument(const std::string& title, const std::string& pdfPath) override;
    double printableWidth() override { return width; }
    double printableHeight() override { return height; }
    void setFont(const PrintFont& font) override { font_ = font; }
    double textWidth(std::string_view text) override;
    double lineHeight() override { return font_.size / 2; }
    void printText(double x, double y, std::string_view text) override;
    void newPage() override { ++pages; }
    bool endDocument() override;
    void abortDocument() override { ++aborted; }

  private:
    PrintFont font_;
    std::string target_;
};

}  // namespace memvalo::test
