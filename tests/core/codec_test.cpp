#include "core/codec.h"

#include <gtest/gtest.h>

namespace memvalo {
namespace {

TEST(Codec, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

// Plain ASCII is copied in runs of eight bytes; whatever needs work must be found at every
// place inside and at the edges of such a run.
TEST(Codec, FindsSpecialCharactersAtEveryPlaceOfALongText) {
    const struct {
        std::string_view utf8, bytes;
    } specials[] = {{"ä", "\xE4"}, {"€", "\x80"}, {"日", "&#26085;"}, {"&#38;", "&#38;"}};
    for (const auto& special : specials) {
        for (std::size_t at = 0; at <= 20; ++at) {
            const std::string text(at, 'a');
            const std::string tail(20 - at, 'b');
            const std::string utf8 = text + std::string(special.utf8) + tail;
            const std::string bytes = text + std::string(special.bytes) + tail;
            EXPECT_EQ(utf8ToCp1252(utf8), bytes) << at;
            EXPECT_EQ(cp1252ToUtf8(bytes), utf8) << at;
        }
    }
}

// The Windows characters map both ways, undefined bytes keep their number as C1 controls, and
// characters outside the code page travel as references.
TEST(Codec, MapsTheWindowsCharactersAndTheRestTravelsAsReferences) {
    const struct {
        std::string utf8, bytes;
    } cases[] = {{"€¨äß„“ …", "\x80\xA8\xE4\xDF\x84\x93 \x85"},
                 {"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
                 {"Ελλάς あ", "&#917;&#955;&#955;&#940;&#962; &#12354;"}};
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes);
    }
    EXPECT_EQ(cp1252ToUtf8(utf8ToCp1252("😀 x")), "😀 x");
    EXPECT_EQ(utf8ToCp1252("a\xFF"
                           "b"),
              "a&#65533;b")
        << "broken UTF-8 is never lost";
}

TEST(Codec, TypedReferencesComeBackAsTypedAndOldFilesKeepTheirMeaning) {
    // Characters the code page holds, malformed or unfinished references are plain text.
    for (const char* text : {"&#65;", "&#228;", "&#8364;", "&#;", "&#12x;", "&#12354", "&#55296;",
                             "&#99999999;", "a & b", "&"}) {
        EXPECT_EQ(cp1252ToUtf8(text), text) << text;
    }
    for (const char* typed : {"&#26085;", "&#38;#26085;", "&#38;#38;#26085;", "&&#26085;",
                              "&#026085;", "A&#38;B", "日&#26085;日", "&#128512;;"}) {
        EXPECT_EQ(cp1252ToUtf8(utf8ToCp1252(typed)), typed) << typed;
    }
    EXPECT_EQ(utf8ToCp1252("&#26085; 日"), "&#38;#26085; &#26085;");
    // Bytes as older versions wrote them: a reference is the character, "&#38;" that is not in
    // front of a reference stays text, and the old line format knows no references at all.
    EXPECT_EQ(cp1252ToUtf8("&#38; &#38;#65; &#38;"), "&#38; &#38;#65; &#38;");
    EXPECT_EQ(cp1252ToUtf8("&#26085;", References::Literal), "&#26085;");
}

}  // namespace
}  // namespace memvalo
