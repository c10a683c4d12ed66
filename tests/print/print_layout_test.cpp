#include <gtest/gtest.h>

#include "print/card_sheets.h"
#include "support/fake_printer.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

// At size 10 a character is 2 mm wide and a line 5 mm high.
class PrintLayoutTest : public ::testing::Test {
  protected:
    PrintLayoutTest() {
        job.begin("Test", "");
        job.setFont({"Arial", 10, false});
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& line : printer.lines) result.push_back(line.text);
        return result;
    }

    FakePrinter printer;
    PrintJob job{printer};
};

TEST_F(PrintLayoutTest, LinesBreakAfterTheLastBreakCharacterThatFitsOrInsideALongWord) {
    const struct {
        const char* text;
        int width;
        std::vector<std::string> lines;
    } cases[] = {
        {"Hallo Welt wie geht es", 20, {"Hallo Welt", " wie geht ", "es"}},
        {"eins,zwei.drei;vier", 20, {"eins,zwei.", "drei;vier"}},
        {"a(b/c+d!e?f:g-h_ijklmnop", 12, {"a(b/c+", "d!e?f:", "g-h_", "ijklmn", "op"}},
        {"Donaudampfschiff", 20, {"Donaudampf", "schiff"}},
        {"Ab Donaudampfschifffahrt", 20, {"Ab ", "Donaudampf", "schifffahr", "t"}},
        {"eins\r\nzwei\nzwölf", 20, {"eins", "zwei", "zwölf"}},
        {"abcdefghij   ", 20, {"abcdefghij"}},
        {"Grüße", 20, {"Grüße"}},
        {"", 20, {}},
        // A column narrower than one letter still takes a letter a line.
        {"abc", 1, {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        printer.lines.clear();
        job.PrintMultilineText(c.text, 10, 20, c.width, 100, false, Align::Left);
        EXPECT_EQ(texts(), c.lines);
        for (std::size_t i = 0; i < printer.lines.size(); ++i) {
            EXPECT_DOUBLE_EQ(printer.lines[i].x, 10);
            EXPECT_DOUBLE_EQ(printer.lines[i].y, 20 + 5.0 * static_cast<double>(i));
        }
    }
}

TEST_F(PrintLayoutTest, AlignmentsPlaceTheLineInsideItsWidth) {
    // "abc" is 6 mm wide; a width of 0 reaches to the right edge at 200 mm, -20 stops 20 before.
    const struct {
        int width;
        Align align;
        double x;
    } cases[] = {{20, Align::Left, 10},  {20, Align::Right, 24},  {20, Align::Centre, 17},
                 {0, Align::Right, 194}, {0, Align::Centre, 102}, {-20, Align::Right, 174}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        printer.lines.clear();
        job.PrintMultilineText("abc", 10, 20, c.width, 10, false, c.align);
        ASSERT_EQ(printer.lines.size(), 1u);
        EXPECT_DOUBLE_EQ(printer.lines[0].x, c.x);
    }
}

TEST_F(PrintLayoutTest, ATextStopsAtTheFirstLineThatDoesNotFitOrGoesOnOnANewPage) {
    // Six lines of 5 mm; the page is 293 mm high.
    const std::string six = "1\r\n2\r\n3\r\n4\r\n5\r\n6";
    const struct {
        int y, height;
        bool newPageAllowed;
        std::vector<std::string> lines;
        int pages;
    } cases[] = {
        {20, 12, false, {"1", "2"}, 1},
        {20, 15, true, {"1", "2", "3"}, 1},  // a given height never turns the page
        {275, 0, false, {"1", "2", "3"}, 1},
        {275, -5, false, {"1", "2"}, 1},
        {275, 0, true, {"1", "2", "3", "4", "5", "6"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << " " << c.height << " " << c.newPageAllowed);
        job.begin("Test", "");
        job.PrintMultilineText(six, 10, c.y, 20, c.height, c.newPageAllowed, Align::Left);
        EXPECT_EQ(texts(), c.lines);
        EXPECT_EQ(printer.pages, c.pages);
    }
    // On the new page the text goes on from its top.
    EXPECT_EQ(printer.lines[3].page, 2);
    EXPECT_DOUBLE_EQ(printer.lines[3].y, 0);
    EXPECT_DOUBLE_EQ(printer.lines[4].y, 5);
}

TEST_F(PrintLayoutTest, LinesWithoutPositionGoOnBelowTheLastOne) {
    // The way a protocol is printed: line after line, a new page where the last one is full.
    printer.height = 12;
    for (const char* line : {"eins", "zwei", "drei"}) {
        job.PrintMultilineText(line, 0, 0, 0, 0, true, Align::Left);
    }
    ASSERT_EQ(printer.lines.size(), 3u);
    EXPECT_EQ(printer.lines[2].page, 2);
    EXPECT_DOUBLE_EQ(printer.lines[1].y, 5);
    EXPECT_DOUBLE_EQ(printer.lines[2].y, 0);
}

TEST(CardFontSize, OnlySizesStrictlyBetween8And25AreUsed) {
    const std::vector<std::pair<const char*, double>> cases = {
        {"12", 12}, {"24", 24}, {"9", 9}, {"14,5", 14.5}, {"30", 10},
        {"8", 10},  {"25", 10}, {"", 10}, {"groß", 10},   {" 16 ", 16}};
    for (const auto& [typed, size] : cases) EXPECT_DOUBLE_EQ(cardFontSize(typed), size) << typed;
}

TEST_F(PrintLayoutTest, FiveCardsFillOneSheetAndOneCardWithThreeEmptyStrips) {
    Box box;
    for (const char* q : {"F1", "F2", "F3", "F4", "F5"}) {
        box.append(card(q, std::string("A") + (q + 1)));
    }
    box[2].antwort.clear();
    // Twenty lines of 6 mm do not fit into a card: they stop above the cut line of the strip.
    for (int slot : {1, 3}) {
        for (int i = 0; i < 19; ++i) box[slot].frage += "\r\nZeile";
    }
    printCardSheets(job, box, 2, {"Fragefont", "Antwortfont", 12});

    EXPECT_EQ(printer.pages, 2);
    std::vector<std::string> cards;
    std::vector<int> cutRows;
    int zeilen = 0;
    for (const auto& line : printer.lines) {
        if (line.text == "Zeile") {
            ++zeilen;
            EXPECT_LE(line.y + 6, line.y < 68 ? 68 : 214) << "below the cut line";
        } else if (line.font.name == "Arial") {
            // One row, as wide as fits between 5 mm and the right edge, centred there.
            EXPECT_DOUBLE_EQ(line.font.size, 8);
            EXPECT_TRUE(line.text.starts_with("___ Kasten 2__"));
            const double width = static_cast<double>(line.text.size()) * 1.6;
            EXPECT_TRUE(width <= 195 && width + 1.6 > 195) << width;
            EXPECT_NEAR(line.x, 5 + (195 - width) / 2, 1e-9);
            cutRows.push_back(static_cast<int>(line.y));
        } else {
            cards.push_back(std::to_string(line.page) + " " + line.font.name + " " +
                            std::to_string(static_cast<int>(line.x)) + "," +
                            std::to_string(static_cast<int>(line.y)) + " " + line.text);
        }
    }
    EXPECT_EQ(cards,
              (std::vector<std::string>{
                  "1 Fragefont 8,5 F1", "1 Antwortfont 112,5 A1", "1 Fragefont 8,74 F2",
                  "1 Fragefont 8,148 F3", "1 Antwortfont 112,148 A3", "1 Fragefont 8,220 F4",
                  "1 Antwortfont 112,220 A4", "2 Fragefont 8,5 F5", "2 Antwortfont 112,5 A5"}));
    EXPECT_EQ(cutRows, (std::vector<int>{68, 142, 214, 288, 68, 142, 214, 288}));
    EXPECT_EQ(zeilen, 9 + 10) << "63 mm of the first strip, 66 mm of the third";
}

}  // namespace
}  // namespace memvalo::test
