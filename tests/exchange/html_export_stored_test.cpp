#include <gtest/gtest.h>

#include "core/learning_set_reader.h"
#include "exchange/html_export.h"

namespace memvalo::test {
namespace {

// A page made from cards still held as their file's bytes is the page of the same cards once
// decoded: texts with references, an escaped "&", a stray double quote, bytes Windows-1252
// leaves undefined, line breaks and trailing blanks.
TEST(HtmlExportOfStoredCards, IsThePageOfTheDecodedCards) {
    const std::string texts[][2] = {
        {"plain\"quote", "\"a  \r\nb \r\n  \""},
        {"\"&#38;#9731; &#65; &amp; &#x41;\"", "\"ends with &\""},
        {"\"\x81\x8D\x8F\x90\x9D \x80 \xA8 blanks   \"", "\"   \""},
        {"\"line\rcr\nlf\r\n\"", "\"&#9731;&#38;&#9731;\""},
        {"\"  lead\"", "\"\""},
    };
    std::string file = "5\r\n";
    for (const auto& card : texts) {
        file += card[0] + "\r\n" + card[1] +
                "\r\n\"\"\r\n\"\"\r\n06.12.2026\r\n07.12.2026\r\n4\r\n\r\n";
    }
    CardStore stored;
    readBoxFile(FileBytes(file), 2, stored.k(2));
    CardStore decoded;
    decoded.k(2) = stored.k(2);
    for (int slot = 1; slot <= 5; ++slot) decoded.k(2)[slot];
    ExportChoice choice;
    for (int options = 0; options < 8; ++options) {
        choice.antwortFrage = (options & 1) != 0;
        choice.wiederholen = (options & 2) != 0;
        choice.absatz = (options & 4) != 0;
        EXPECT_EQ(html_export(stored, choice, "seite", "06.12.2026"),
                  html_export(decoded, choice, "seite", "06.12.2026"))
            << options;
    }
}

}  // namespace
}  // namespace memvalo::test
