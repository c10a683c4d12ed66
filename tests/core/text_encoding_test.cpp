#include "core/text_encoding.h"

#include <gtest/gtest.h>

namespace memvalo {
namespace {

TEST(TextEncoding, QuotesAndOldLineBreakMarkers) {
    std::string text = "Er sagte \"Hallo\"";
    anfuehrung_weg(text);
    EXPECT_EQ(text, "Er sagte ¨Hallo¨");
    anfuehrung_rein(text);
    EXPECT_EQ(text, "Er sagte \"Hallo\"");

    std::string typed = "Umlaut¨";  // typed by the user, decoded like a stored quote
    anfuehrung_rein(typed);
    EXPECT_EQ(typed, "Umlaut\"");

    // Old line break markers become line breaks.
    text = "eins~^zwei~  ";
    enter_rein(text);
    EXPECT_EQ(text, "eins\r\nzwei\r");
    std::string blanks = "  vorn bleibt   ";
    enter_rein(blanks);
    EXPECT_EQ(blanks, "  vorn bleibt");
}

TEST(TextEncoding, LongfixKeepsShortPathsAndOtherwiseTheHeadAndAFolderAlignedTail) {
    EXPECT_EQ(longfix("/home/anna/lernen/vokabeln.ldt", 30), "/home/anna/lernen/vokabeln.ldt");
    EXPECT_EQ(longfix("/home/anna/lernen/sprachen/englisch/vokabeln.ldt", 20), "/.../vokabeln.ldt");
    EXPECT_EQ(longfix("C:\\Dokumente\\Lernen\\Sprachen\\vokabeln.ldt", 20),
              "C:\\...\\vokabeln.ldt");
    EXPECT_EQ(longfix("\\\\server\\freigabe\\lernen\\englisch\\vok.ldt", 20),
              "\\\\server\\...\\vok.ldt");
    // No separator in the tail: the last n - 6 characters.
    EXPECT_EQ(longfix("/home/anna/eine_sehr_lange_datei.ldt", 16), "/..._datei.ldt");
    // Umlauts count as one character each.
    EXPECT_EQ(longfix("/häuser/bäume/übung.ldt", 23), "/häuser/bäume/übung.ldt");
}

}  // namespace
}  // namespace memvalo
