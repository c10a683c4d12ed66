#include "print/card_sheets.h"

#include <algorithm>
#include <charconv>

#include "core/text_encoding.h"

namespace memvalo {

namespace {

constexpr const char* kFallbackFont = "Arial";

std::string cutLineHead(int box) {
    return "___ Kasten " + std::to_string(box) + "__";
}

// The cut line is meant to run across the sheet in one row. Where the font or a narrow
// printable area would make it wider than its row, the run of "_" is shortened, so it never
// wraps into a stub on a second row.
std::string fittedCutLine(PrintJob& job, int box) {
    std::string line = cutLineText(box);
    const double room = job.printer().printableWidth() - kCardStrips[0].cutLeft;
    const std::size_t head = cutLineHead(box).size();
    while (line.size() > head && job.printer().textWidth(line) > room) line.pop_back();
    return line;
}

// A card's text ends above the cut line of its strip: the areas reach a few millimetres
// below it, and lines printed there would be cut off onto the next card.
void printText(PrintJob& job, const std::string& text, const SheetArea& area, int cutTop) {
    job.PrintMultilineText(text, area.left, area.top, area.width,
                           std::min(area.height, cutTop - area.top), false, Align::Left);
}

PrintFont fontNamed(const std::string& name, double size) {
    return {name.empty() ? kFallbackFont : name, size, false};
}

}  // namespace

double cardFontSize(std::string_view typed) {
    std::string number = trimBlanks(std::string(typed));
    for (char& c : number) {
        if (c == ',') c = '.';
    }
    double size = 0;
    std::from_chars(number.data(), number.data() + number.size(), size);
    return size > 8 && size < 25 ? size : 10;
}

std::string cutLineText(int box) {
    return cutLineHead(box) + std::string(110, '_');
}

void printCardSheets(PrintJob& job, const Box& box, int boxNumber, const CardFonts& fonts) {
    const PrintFont cutFont{kFallbackFont, kCutLineFontSize, false};
    job.setFont(cutFont);
    const std::string cutLine = fittedCutLine(job, boxNumber);
    for (int first = 1; first <= box.anz; first += static_cast<int>(kCardStrips.size())) {
        if (first > 1) job.newPage();
        for (std::size_t row = 0; row < kCardStrips.size(); ++row) {
            const CardStrip& strip = kCardStrips[row];
            const int slot = first + static_cast<int>(row);
            if (slot <= box.anz) {
                job.setFont(fontNamed(fonts.question, fonts.size));
                printText(job, box[slot].frage, strip.question, strip.cutTop);
                job.setFont(fontNamed(fonts.answer, fonts.size));
                printText(job, box[slot].antwort, strip.answer, strip.cutTop);
            }
            job.setFont(cutFont);
            job.PrintMultilineText(cutLine, strip.cutLeft, strip.cutTop, 0, 0, false,
                                   Align::Centre);
        }
    }
}

}  // namespace memvalo
