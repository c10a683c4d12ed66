#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/codec.h"
#include "core/learning_set_reader.h"
#include "core/learning_set_writer.h"

namespace memvalo {
namespace {

CardRecord card(std::string frage, std::string antwort, std::string medium = {}) {
    CardRecord r;
    r.frage = std::move(frage);
    r.antwort = std::move(antwort);
    r.erstellt = "06.12.2026";
    r.falsch = "2";
    r.medium = std::move(medium);
    return r;
}

// Every shape of card text the files must carry unchanged.
std::vector<CardRecord> awkwardCards(int box) {
    std::vector<CardRecord> cards{
        card("Hauptstadt, Land", "Zeile 1\r\nZeile 2\nZeile 3"),
        card("Er sagte \xC2\xA8ja\xC2\xA8", "Ä Ö Ü ß € „gut“", "/bilder/a,b.jpg"),
        card("Ω und 😀", std::string(10000, 'x'), "\"zitiert.wav"),
        card("", "", " /mit Rand.gif "),
        card("  führende Blanks", "Ende mit Blank ", "/pfad/mit\"mitte.jpg"),
        card("&#26085; getippt", "&#38;#26085; auch", "/bilder/&#26085;.jpg"),
    };
    cards[0].zusatz1 = "Zusatz, mit Komma";
    cards[1].zusatz2 = "&#65; bleibt Text";
    cards[2].falsch = "";
    // Dates and counts a quoted item can hold: commas, line breaks, leading blanks.
    cards[3].erstellt = "00.01,2000";
    cards[3].falsch = "2,5";
    cards[4].erstellt = "  5";
    cards[5].erstellt = "01.\r\n2000";
    for (CardRecord& c : cards) {
        for (int i = 0; i < CardRecord::datesOfBox(box); ++i) c.kasten_am[i] = "7.1.2027";
    }
    if (box > 1) cards[3].kasten_am[box - 2] = "7.1,2027";
    return cards;
}

Box boxOf(const std::vector<CardRecord>& cards) {
    Box box;
    for (const CardRecord& c : cards) box.append(c);
    return box;
}

TEST(BoxFile, EveryShapeRoundTripsFieldForFieldAndByteForByte) {
    for (int shape = 1; shape <= 5; ++shape) {
        SCOPED_TRACE(shape);
        Box written = boxOf(awkwardCards(shape));
        std::vector<std::uint32_t> starts;
        const std::string bytes = boxFileBytes(written, shape, FalschForm::Padded, &starts);
        // Read from the file, and taken as written after a save without reading.
        Box read;
        readBoxFile(FileBytes(bytes), shape, read);
        Box taken;
        holdWrittenBoxFile(bytes, shape, FalschForm::Padded, starts, taken);
        for (Box* box : {&read, &taken}) {
            // Written again before any card is reached, and again once every card is.
            EXPECT_EQ(boxFileBytes(*box, shape), bytes);
            ASSERT_EQ(box->anz, written.anz);
            for (int slot = 1; slot <= box->anz; ++slot) EXPECT_EQ((*box)[slot], written[slot]);
            EXPECT_EQ(boxFileBytes(*box, shape), bytes);
        }
    }
}

TEST(BoxFile, CanonicalBytes) {
    Box box1 = boxOf({card("Frage", "Antwort, lang")});
    box1[1].falsch = " ";
    EXPECT_EQ(boxFileBytes(box1, 1),
              " 1 \r\n\"Frage\"\r\n\"Antwort, lang\"\r\n\"\"\r\n\"\"\r\n06.12.2026\r\n"
              "0         \r\n\r\n");
    EXPECT_EQ(box1[1].falsch.text(), "0         ");

    Box box2 = boxOf({card("ä", "b", "/m,x.jpg")});
    box2[1].erstellt = "1.2.2026";
    EXPECT_EQ(boxFileBytes(box2, 2),
              "1\r\n\"\xE4\"\r\n\"b\"\r\n\"\"\r\n\"\"\r\n1.2.2026  \r\n          \r\n"
              "2         \r\n\"/m,x.jpg\"\r\n");

    for (int shape = 1; shape <= 5; ++shape) {
        Box empty;
        EXPECT_EQ(boxFileBytes(empty, shape), shape == 1 || shape == 5 ? " 0 \r\n" : "0\r\n");
    }
    Box side = boxOf({card("f", "a")});
    EXPECT_EQ(boxFileBytes(side, 5, FalschForm::Trimmed),
              " 1 \r\n\"f\"\r\n\"a\"\r\n\"\"\r\n\"\"\r\n06.12.2026\r\n          \r\n"
              "          \r\n          \r\n          \r\n2\r\n\r\n");
}

TEST(BoxFile, ReadsCountsWithAndWithoutBlanksAndItemsSeparatedByCommas) {
    Box a;
    // The first date runs on in blanks past sixteen bytes.
    readBoxFile(FileBytes("2\r\n\"x\",\"y\"\r\n\"\"\r\n\"\"\r\n 01.02.2026                \r\n3\r\n"
                          "/p.jpg\r\n"
                          "\"q\"\r\n\"r\"\r\n\"\"\r\n\"\"\r\n01.02.2026\r\n\r\n\r\n"),
                1, a);
    EXPECT_EQ(a.anz, 2);
    EXPECT_EQ((std::vector<std::string>{a[1].antwort, a[1].erstellt.text(), a[1].falsch.text(),
                                        a[1].medium, a[2].falsch.text()}),
              (std::vector<std::string>{"y", "01.02.2026", "3         ", "/p.jpg", "          "}));

    Box b;
    readBoxFile(FileBytes(" 0 \r\n"), 3, b);
    EXPECT_EQ(b.anz, 0);
}

// The items of one card as a file may hold them: the four texts, the date made (also each box
// date), the wrong-answer count and the media path, each followed by a line end.
struct CardItems {
    std::string texts, date, falsch, medium;
};

std::string texts(const std::string& frage) {
    return frage + "\r\n\"b\"\r\n\"\"\r\n\"\"";
}

std::string boxFile(int shape, const std::vector<CardItems>& cards) {
    std::string out = std::to_string(cards.size()) + "\r\n";
    for (const CardItems& c : cards) {
        out += c.texts + "\r\n";
        for (int i = 0; i < 1 + CardRecord::datesOfBox(shape); ++i) out += c.date + "\r\n";
        out += c.falsch + "\r\n" + c.medium + "\r\n";
    }
    return out;
}

TEST(BoxFile, UntouchedEditedAndMovedCardsGiveTheBytesOfAFullEncoding) {
    const std::vector<CardItems> cards = {
        {texts("\"Frage\""), "06.12.2026", "2         ", "/m.jpg"},
        {texts("Frage"), "06.12.2026", "2         ", "/m.jpg"},
        {"\"a\",\"b\"\r\n\"\", \"\"", "06.12.2026", "2", ""},
        {texts("\"&#65; &#38;#65; & x\""), "06.12.2026", "2         ", "/a&#65;.jpg"},
        {texts("\"&#12354;&#128512; x\""), "06.12.2026", "2         ", ""},
        {texts("\"&#12354; &#012354;\""), "06.12.2026", "2         ", ""},
        {texts(std::string("\"\xE4\x81\x8D\x9D\0\x7F ~^\"", 11)), "  ", "12", "/\xE4.jpg"},
        {texts("\"Zeile\r\nZeile\nZeile\""), "6.12.2026", "          ", "  /m.jpg  "},
        {texts("\"Frage\""), " 6.12.2026", " 3", "\"/m,x.jpg\""},
        {texts("\"Frage\""), "06.12.2026 1", "12345678901", "/m.jpg"},
        {texts("\"Frage\""), "          ", "2 ", "/m.jpg"},
        {texts("\"Frage\"  "), "06.12.2026", "2         ", "/m.jpg"},
    };
    const std::vector<FalschForm> forms = {FalschForm::Padded, FalschForm::Trimmed};
    for (int shape = 1; shape <= 5; ++shape) {
        for (const FalschForm form : forms) {
            for (int change = 0; change < 3; ++change) {
                SCOPED_TRACE(::testing::Message()
                             << shape << " " << static_cast<int>(form) << " " << change);
                Box loaded;
                readBoxFile(FileBytes(boxFile(shape, cards)), shape, loaded);
                if (change == 1) loaded[2].frage = "neu";
                if (change == 2) {
                    loaded.remove(3);
                    loaded.append(card("hinein", "b"));
                }
                Box decoded = loaded;
                for (int slot = 1; slot <= decoded.anz; ++slot) std::as_const(decoded)[slot];
                EXPECT_EQ(boxFileBytes(loaded, shape, form), boxFileBytes(decoded, shape, form));
                for (int slot = 1; slot <= decoded.anz; ++slot) {
                    EXPECT_EQ(std::as_const(loaded)[slot], std::as_const(decoded)[slot]);
                }
            }
        }
    }
}

void expectRefused(const std::string& bytes, FormatError::Kind kind, int line) {
    Box box;
    try {
        readBoxFile(FileBytes(bytes), 1, box);
        ADD_FAILURE() << "accepted: " << bytes;
    } catch (const FormatError& e) {
        EXPECT_EQ(e.kind, kind) << e.what();
        EXPECT_EQ(e.line, line) << e.what();
    }
}

TEST(BoxFile, RefusesTruncatedMalformedAndOversizedFiles) {
    Box two = boxOf({card("a", "b"), card("c", "d")});
    const std::string bytes = boxFileBytes(two, 1);
    const auto secondCard = bytes.find("\"c\"");
    expectRefused(bytes.substr(0, secondCard), FormatError::Kind::Truncated, 9);
    expectRefused(bytes.substr(0, secondCard + 2), FormatError::Kind::Truncated, 9);
    expectRefused(bytes.substr(0, bytes.size() - 2), FormatError::Kind::Truncated, 15);

    expectRefused("", FormatError::Kind::Truncated, 1);
    expectRefused("zwei\r\n", FormatError::Kind::Malformed, 1);
    expectRefused("-1\r\n", FormatError::Kind::Malformed, 1);
    expectRefused(" 2001 \r\n", FormatError::Kind::Malformed, 1);
    expectRefused("1\r\n\"a\"x\r\n", FormatError::Kind::Malformed, 2);
    expectRefused(" 1 " + bytes.substr(3), FormatError::Kind::Malformed, 9);
    // The count line holds the count alone: a comma behind it once shifted every field.
    expectRefused(" 3,\r\n\"a\"\r\n", FormatError::Kind::Malformed, 1);
    expectRefused("\"1\"\r\n", FormatError::Kind::Malformed, 1);
}

TEST(OptionsFile, CanonicalBytesAndReadingBack) {
    SetOptions options;
    options.capacities = {"10", "20", "30", "40", "2000"};
    options.box5Answered = 7;
    options.mediaFolder = "/home/ü/&#26085;";
    options.zeigbild = true;
    const std::string bytes = optionsFileBytes(options);
    std::string expected =
        "10\r\n20\r\n30\r\n40\r\n2000\r\n[Kasten 5 bereits beantwortet]\r\n 7 \r\n"
        "[Pfad f\xFCr Kl\xE4nge/Bilder]\r\n/home/\xFC/&#38;#26085;\r\n[Bilder bei Abfrage "
        "zeigen?]\r\n"
        "ja\r\n[Bilder \xFC"
        "berhaupt zeigen?]\r\nja\r\n";
    for (int i = 0; i < 30; ++i) expected += "placeholder\r\n";
    EXPECT_EQ(bytes, expected);

    std::vector<int> bad;
    const SetOptions read = readOptionsFile(bytes, bad);
    EXPECT_TRUE(bad.empty());
    EXPECT_EQ(read.capacities, options.capacities);
    EXPECT_EQ(std::tuple(read.box5Answered, read.mediaFolder, read.zeigbild, read.nixbild),
              std::tuple(7, options.mediaFolder, true, false));
}

TEST(OptionsFile, EmptyCountAndAnythingButJaAndBadValues) {
    std::vector<int> bad;
    SetOptions o = readOptionsFile(
        "1\r\n2\r\n3\r\n4\r\n5\r\nk\r\n\r\nk\r\n\r\nk\r\nnein\r\nk\r\n"
        "vielleicht\r\n",
        bad);
    EXPECT_TRUE(bad.empty());
    EXPECT_EQ(std::tuple(o.box5Answered, o.zeigbild, o.nixbild), std::tuple(0, false, true));

    o = readOptionsFile("1\r\n0\r\nviele\r\n4\r\n5\r\nk\r\nx\r\n", bad);
    EXPECT_EQ(bad, (std::vector<int>{2, 3, 7, 8}));
    EXPECT_EQ(o.capacities, (std::array<std::string, 5>{"1", "500", "850", "4", "5"}));
    EXPECT_EQ(o.box5Answered, 0);
}

}  // namespace
}  // namespace memvalo
