#pragma once
// One document on a printer and the position the next line goes to, as the printer keeps it
// between two lines. Texts are printed wrapped into rectangles of whole millimetres.
#include <string>
#include <string_view>

#include "core/platform.h"

namespace memvalo {

enum class Align { Left = 0, Right = 1, Centre = 2 };

class PrintJob {
  public:
    explicit PrintJob(Printer& printer) : printer_(printer) {}
    // A job that was begun and not ended is dropped: nothing is printed.
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // See Printer::beginDocument.
    bool begin(const std::string& title, const std::string& pdfPath);
    bool end();

    Printer& printer() { return printer_; }
    void setFont(const PrintFont& font) { printer_.setFont(font); }
    void newPage();

    // Prints text wrapped into the rectangle x, y, width, height. x 0 and y 0 mean the current
    // position; width 0 reaches to the right edge of the printable area and a negative width
    // stops that far before it; height 0 reaches to the bottom edge and a negative height stops
    // that far above it. The text breaks into lines at CR LF and, where a line is too wide,
    // after the last of the characters " .,;:-_!?(/+" that fits, or inside a word that has
    // none. Printing stops at the first line that does not fit into the height; with
    // newPageAllowed and a height of 0 or less, such a line begins a new page instead.
    void PrintMultilineText(std::string_view text, int x, int y, int width, int height,
                            bool newPageAllowed, Align align);

    // The printer's current position.
    double currentX = 0;
    double currentY = 0;

  private:
    struct Area;
    long remainingHeight(int height) const;
    // False when the line does not fit and printing of the text stops.
    bool fits(Area& area);
    void place(const Area& area, const std::string& line);

    Printer& printer_;
    bool open_ = false;
};

}  // namespace memvalo
