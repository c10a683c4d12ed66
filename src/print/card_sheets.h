#pragma once
// Folding cards: four card strips to an A4 sheet, the question on the left half and the
// answer on the right, each strip with a cut line below it.
#include <array>
#include <string>
#include <string_view>

#include "core/box.h"
#include "print/print_job.h"

namespace memvalo {

// A rectangle on the sheet in millimetres.
struct SheetArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct CardStrip {
    SheetArea question;
    SheetArea answer;
    int cutLeft = 0;
    int cutTop = 0;
};

inline constexpr std::array<CardStrip, 4> kCardStrips = {{
    {{8, 5, 90, 70}, {112, 5, 90, 70}, 5, 68},
    {{8, 74, 90, 70}, {112, 74, 90, 70}, 5, 142},
    {{8, 148, 90, 70}, {112, 148, 90, 70}, 5, 214},
    {{8, 220, 90, 70}, {112, 220, 90, 70}, 5, 288},
}};

inline constexpr double kCutLineFontSize = 8;

// The font size typed for the card texts, when it lies strictly between 8 and 25; else 10.
double cardFontSize(std::string_view typed);

// "___ Kasten 3__" and a long run of "_" after it.
std::string cutLineText(int box);

struct CardFonts {
    std::string question;  // the font names of the main window's question and answer fields
    std::string answer;
    double size = 10;
};

// Prints the cards of the box, slots 1 to its fill count, on as many sheets as they need; the
// strips of the last sheet left without a card show only their cut line.
void printCardSheets(PrintJob& job, const Box& box, int boxNumber, const CardFonts& fonts);

}  // namespace memvalo
