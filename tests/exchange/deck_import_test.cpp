#include <gtest/gtest.h>

#include <filesystem>

#include "app/app.h"
#include "core/platte_an_speicher.h"
#include "exchange/anki_collection.h"
#include "exchange/deck_reader.h"
#include "exchange/deck_set_writer.h"
#include "exchange/html_to_text.h"
#include "exchange/kvtml_deck.h"
#include "exchange/pauker_lesson.h"
#include "support/app_fixture.h"
#include "support/cli_run.h"
#include "support/deck_files.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace memvalo::test {
namespace {

struct Seen {
    std::string frage, antwort, zusatz1, zusatz2;
    int box;
    int falsch;
    std::string medium;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Seen& s) {
    return os << "{" << s.frage << "|" << s.antwort << "|" << s.zusatz1 << "|" << s.zusatz2
              << "|box " << s.box << "|falsch " << s.falsch << "|" << s.medium << "}";
}

std::vector<Seen> seen(const Deck& deck) {
    std::vector<Seen> out;
    for (const ImportedCard& c : deck.cards) {
        out.push_back({c.frage, c.antwort, c.zusatz1, c.zusatz2, c.box, c.falsch, c.medium});
    }
    return out;
}

Deck read(const std::string& bytes, const std::string& name, const DeckOptions& options = {}) {
    return readDeckBytes(bytes, name, options, "", kExpansionLimit);
}

AnkiContent sampleAnki() {
    AnkiContent content;
    content.models = {basicModel(), basicAndReversedModel(), clozeModel()};
    content.decks = {"Default", "Sprachen::Französisch"};
    content.notes = {
        {0, {"Haus<br>(das)", "<div>house</div><div>home</div>"}, {{0, 0, 0, 0, 0}}, 0},
        {0,
         {"&quot;Hund&quot;&nbsp;<b>dog</b>", "chien <img src=\"hund.jpg\">[sound:hund.mp3]",
          "Notiz"},
         {{0, 2, 2, 45, 3}},
         1},
        {1, {"Katze", "cat"}, {{0, 2, 2, 2, 0}, {1, 2, 2, 12, 1}}, 1},
        {2,
         {"{{c1::Paris}} liegt an der {{c2::Seine::Fluss}}.", "Frankreich"},
         {{0, 3, 3, 0, 2}, {1, 2, 2, 5, 0}},
         0},
    };
    content.models[0].fields.push_back("Notiz");
    content.media = {{"hund.jpg", "JPEGDATA"}, {"hund.mp3", "MP3DATA"}};
    return content;
}

const std::vector<Seen> kSampleCards = {
    {"Haus\n(das)", "house\nhome", "", "", 1, 0, ""},
    {"\"Hund\" dog", "chien", "Notiz", "", 5, 3, "hund.jpg"},
    {"Katze", "cat", "", "", 2, 0, ""},
    {"cat", "Katze", "", "", 4, 1, ""},
    {"[...] liegt an der Seine.", "Paris liegt an der Seine.", "Frankreich", "", 1, 2, ""},
    {"Paris liegt an der [Fluss].", "Paris liegt an der Seine.", "Frankreich", "", 3, 0, ""},
};

TEST(DeckImport, AnkiPackagesOfBothLayoutsGiveTheSameCards) {
    const AnkiContent content = sampleAnki();
    const struct {
        std::string name;
        std::string bytes;
    } packages[] = {{"alt.apkg", olderAnkiPackage(content, "collection.anki2")},
                    {"alt21.apkg", olderAnkiPackage(content)},
                    {"neu.apkg", currentAnkiPackage(content)},
                    {"neu.colpkg", currentAnkiPackage(content)}};
    for (const auto& p : packages) {
        const Deck deck = read(p.bytes, p.name);
        EXPECT_EQ(seen(deck), kSampleCards) << p.name;
        EXPECT_EQ(deck.choices, (std::vector<std::string>{"Default", "Sprachen::Französisch"}));
        EXPECT_EQ(deck.cards[1].moreMedia, true);
        ASSERT_TRUE(deck.media);
        EXPECT_EQ(deck.media->read("hund.jpg"), "JPEGDATA") << p.name;
        EXPECT_EQ(deck.media->read("fehlt.jpg"), std::nullopt);
        DeckOptions french;
        french.stapel = "Sprachen::Französisch";
        EXPECT_EQ(read(p.bytes, p.name, french).cards.size(), 3u) << p.name;
    }
}

TEST(DeckImport, AClozeNoteShorterThanItsTypeAsksItsLastField) {
    AnkiContent content;
    content.models = {clozeModel()};
    content.models[0].fields = {"Back Extra", "Text"};
    content.notes = {{0, {"{{c1::Rom}} ist alt."}, {{0, 0, 0, 0, 0}}, 0}};
    EXPECT_EQ(seen(read(olderAnkiPackage(content), "kurz.apkg")),
              (std::vector<Seen>{{"[...] ist alt.", "Rom ist alt.", "", "", 1, 0, ""}}));
}

TEST(DeckImport, BoxesFollowHowWellACardWasKnown) {
    const struct {
        int type, queue, ivl, box;
    } anki[] = {{0, 0, 0, 1},  {1, 1, 0, 1},  {3, 1, 0, 1},  {2, 1, 5, 1},
                {2, 2, 1, 2},  {2, 2, 2, 2},  {2, 2, 3, 3},  {2, 2, 9, 3},
                {2, 2, 10, 4}, {2, 2, 29, 4}, {2, 2, 30, 5}, {2, -1, 400, 5}};
    for (const auto& c : anki) EXPECT_EQ(ankiBox(c.type, c.queue, c.ivl), c.box) << c.ivl;
    const int kvtml[][2] = {{0, 1}, {1, 2}, {2, 2}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 5}};
    for (const auto& c : kvtml) EXPECT_EQ(kvtmlBox(c[0]), c[1]) << c[0];
    const int pauker[][2] = {{0, 1}, {1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {9, 5}};
    for (const auto& c : pauker) EXPECT_EQ(paukerBox(c[0]), c[1]) << c[0];
}

TEST(DeckImport, FieldHtmlBecomesPlainText) {
    const std::pair<std::string, std::string> cases[] = {
        {"a<br>b<br/>c", "a\nb\nc"},
        {"<div>a</div><div>b</div>", "a\nb"},
        {"<p>x</p>y", "x\ny"},
        {"&lt;tag&gt; &amp; &auml;&#246;&#x00FC;", "<tag> & äöü"},
        {"1&nbsp;2 &bogus; &#0;", "1 2 &bogus; &#0;"},
        {"<span style=\"color:red\">rot</span>[sound:x.mp3]", "rot"},
        {"a < b", "a < b"},
    };
    for (const auto& [html, text] : cases) EXPECT_EQ(htmlToText(html), text) << html;
}

TEST(DeckImport, ParleyAsksTheChosenLanguagesWithTheirGrades) {
    KvtmlTranslation de{"Haus", "das", "haus", "bilder/haus.png", "", {}};
    KvtmlTranslation en{"house", "", "haʊs", "", "house.ogg", {{0, {4, 2}}, {2, {7, 0}}}};
    KvtmlTranslation fr{"maison", "f", "", "", "", {{0, {1, 1}}}};
    const std::string text = kvtmlText({"Deutsch", "Englisch", "Französisch"},
                                       {{{de, en, fr}},
                                        kvtmlWords({"aus", "off", "ne pas"}, true),
                                        kvtmlWords({"Baum", "tree", "arbre"})});
    const Deck deckEn = read(text, "v.kvtml");
    EXPECT_EQ(deckEn.choices, (std::vector<std::string>{"Deutsch", "Englisch", "Französisch"}));
    EXPECT_EQ(seen(deckEn),
              (std::vector<Seen>{{"Haus", "house", "das\nhaus", "haʊs", 3, 2, "bilder/haus.png"},
                                 {"Baum", "tree", "", "", 1, 0, ""}}));
    EXPECT_TRUE(deckEn.cards[0].moreMedia);
    DeckOptions frenchToGerman{"", 0, 2};
    EXPECT_EQ(seen(read(text, "v.kvtml", frenchToGerman))[0],
              (Seen{"Haus", "maison", "das\nhaus", "f", 2, 1, "bilder/haus.png"}));
    const std::string single = kvtmlText({"Deutsch"}, {{{{"Wort", "Erklärung", "", "", "", {}}}}});
    EXPECT_EQ(seen(read(single, "eins.kvtml")),
              (std::vector<Seen>{{"Wort", "Erklärung", "", "", 1, 0, ""}}));
}

TEST(DeckImport, PaukerBatchesBecomeBoxes) {
    const std::string xml = paukerLessonXml({{{"neu", "new"}},
                                             {},
                                             {},
                                             {{"eins", "one"}, {"zwei", "two"}},
                                             {{"drei", "three"}},
                                             {},
                                             {{"vier", "four"}},
                                             {{"fünf", "five"}}});
    const std::vector<Seen> expected = {
        {"neu", "new", "", "", 1, 0, ""},   {"eins", "one", "", "", 2, 0, ""},
        {"zwei", "two", "", "", 2, 0, ""},  {"drei", "three", "", "", 3, 0, ""},
        {"vier", "four", "", "", 5, 0, ""}, {"fünf", "five", "", "", 5, 0, ""}};
    for (const auto& [bytes, name] :
         {std::pair{gzipBytes(xml), "l.pau.gz"}, std::pair{xml, "l.xml"},
          std::pair{gzipBytes(xml), "l.pau"}}) {
        EXPECT_EQ(seen(read(bytes, name)), expected) << name;
    }
}

// Hostile or wrong files are refused with a reason, before anything is written.
TEST(DeckImport, RefusesWhatItCannotTrust) {
    AnkiContent escaping = sampleAnki();
    escaping.media = {{"../../x.jpg", "X"}};
    AnkiContent empty;
    empty.models = {basicModel()};
    const std::string bomb =
        "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
        "\"&a;&a;&a;&a;&a;&a;\">]><kvtml>&b;</kvtml>";
    Entries noTables = {{"collection.anki2", zstdBytes("x")}};
    const std::string junkDb = std::string("SQLite format 3") + '\0' + std::string(4000, 'x');
    const struct {
        std::string name;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"a.apkg", "kein zip", "kein ZIP-Archiv"},
        {"a.apkg", olderAnkiPackage(sampleAnki()).substr(0, 300), "ZIP"},
        {"a.apkg", zipBytes({{"readme.txt", "x"}}), "keine Anki-Sammlung"},
        {"a.apkg", zipBytes({{"collection.anki2", junkDb}}), "erwarteten Tabellen"},
        {"a.apkg", zipBytes({{"collection.anki21b", "\x28\xB5\x2F\xFDkaputt"}}),
         "komprimierter Teil"},
        {"a.apkg", zipBytes({{"../evil", "x"}, {"collection.anki2", "x"}}), "»../evil« führt aus"},
        {"a.apkg", zipBytes({{"/etc/evil", "x"}}), "führt aus"},
        {"a.apkg", olderAnkiPackage(escaping), "»../../x.jpg« führt aus"},
        {"a.apkg", olderAnkiPackage(empty), "keine Karten"},
        {"v.kvtml", "<kvtml><entries>", "nicht wohlgeformt (Zeile 1)"},
        {"v.kvtml", bomb, "Entitäten"},
        {"v.kvtml", "<Lesson/>", "keine KVTML-Datei"},
        {"v.kvtml", kvtmlText({"a", "b"}, {}), "keine Karten"},
        {"l.pau.gz", paukerLessonXml({{{"a", "b"}}}), "nicht mit gzip"},
        {"l.pau.gz", gzipBytes("<Lesson>").substr(0, 12), "gzip-Daten"},
        {"l.xml", "<kvtml/>", "keine Pauker-Lektion"},
        {"l.txt", "a;b", "Format ist unbekannt"},
    };
    for (const auto& c : cases) {
        try {
            read(c.bytes, c.name);
            ADD_FAILURE() << c.reason;
        } catch (const ImportRefusal& refusal) {
            EXPECT_NE(std::string(refusal.what()).find(c.reason), std::string::npos)
                << refusal.what();
        }
    }
}

TEST(DeckImport, ExpansionBeyondTheLimitIsRefused) {
    const std::string big(4096, 'a');
    const struct {
        std::string name, bytes;
    } cases[] = {{"a.apkg", zipBytes({{"collection.anki2", big}})},
                 {"a.apkg", zipBytes({{"collection.anki21b", zstdBytes(big)}})},
                 {"l.pau.gz", gzipBytes("<Lesson>" + big + "</Lesson>")}};
    for (const auto& c : cases) {
        EXPECT_THROW(readDeckBytes(c.bytes, c.name, {}, "", 1024), ImportRefusal) << c.name;
    }
}

class DeckSetTest : public ::testing::Test {
  protected:
    std::unique_ptr<App> loaded(const std::string& path) {
        auto app = std::make_unique<App>(platform);
        app->setPath = path;
        EXPECT_EQ(platte_an_speicher(*app), LoadResult::Loaded) << path;
        return app;
    }
    TempDir dir;
    ScriptedPlatform platform;
};

TEST_F(DeckSetTest, ASetWithItsMediaBesideIt) {
    const Deck deck = read(currentAnkiPackage(sampleAnki()), "neu.apkg");
    DeckImportReport report;
    ASSERT_FALSE(writeDeckSets(deck, dir.file("Vokabeln.ldt"), "06.12.2026", report));
    EXPECT_EQ(deckReportText(report),
              "6 Karten importiert, 2 in Kasten 1, 1 in Kasten 2, 1 in Kasten 3, 1 in Kasten 4, "
              "1 in Kasten 5; 1 ohne weiteres Medium");
    EXPECT_EQ(dir.read("Vokabeln-Medien/hund.jpg"), "JPEGDATA");
    const auto app = loaded(dir.file("Vokabeln.ldt"));
    const CardRecord& dog = app->store.k(5)[1];
    EXPECT_EQ((Texts{dog.frage, dog.medium, dog.erstellt.text(), dog.kasten_am[3].text(),
                     dog.falsch.text(), app->store.k(1)[1].frage}),
              (Texts{"\xC2\xA8Hund\xC2\xA8 dog", "Vokabeln-Medien/hund.jpg", "06.12.2026",
                     "06.12.2026", "3         ", "Haus\r\n(das)"}));
    EXPECT_EQ(app->store.soll, (std::array<int, 5>{250, 500, 850, 1200, 2000}));
}

TEST_F(DeckSetTest, CapacitiesGrowAndFullBoxesContinueInFurtherSets) {
    const std::pair<std::array<int, 5>, std::array<int, 5>> capacities[] = {
        {{0, 0, 0, 0, 0}, {250, 500, 850, 1200, 2000}},
        {{300, 0, 0, 0, 0}, {300, 500, 850, 1200, 2000}},
        {{900, 0, 0, 0, 0}, {900, 900, 900, 1200, 2000}},
        {{2000, 10, 0, 0, 0}, {2000, 2000, 2000, 2000, 2000}},
    };
    for (const auto& [counts, expected] : capacities) EXPECT_EQ(importCapacities(counts), expected);

    Deck deck;
    for (int i = 0; i < 4500; ++i)
        deck.cards.push_back({"f" + std::to_string(i), "a", "", "", 1, 0, "", false, ""});
    deck.cards.push_back({"oben", "top", "", "", 5, 0, "", false, ""});
    DeckImportReport report;
    ASSERT_FALSE(writeDeckSets(deck, dir.file("Gross.ldt"), "06.12.2026", report));
    EXPECT_EQ(report.sets, (std::vector<std::string>{dir.file("Gross.ldt"), dir.file("Gross-2.ldt"),
                                                     dir.file("Gross-3.ldt")}));
    EXPECT_NE(deckReportText(report).find("; weiter in Gross-2.ldt, Gross-3.ldt, weil"),
              std::string::npos);
    const int expectedBox1[] = {2000, 2000, 500};
    for (std::size_t i = 0; i < report.sets.size(); ++i) {
        const auto app = loaded(report.sets[i]);
        EXPECT_EQ(app->store.k(1).anz, expectedBox1[i]);
        EXPECT_EQ(app->store.k(1)[1].frage, "f" + std::to_string(2000 * i));
        EXPECT_EQ(app->store.k(5).anz, i == 0 ? 1 : 0);
    }
    // A further set that is there already is never replaced unasked.
    DeckImportReport again;
    const FileError refused = writeDeckSets(deck, dir.file("Gross.ldt"), "07.12.2026", again);
    EXPECT_EQ(refused.code, std::errc::file_exists);
    EXPECT_EQ(refused.path, dir.file("Gross-2.ldt"));
    EXPECT_EQ(loaded(report.sets[0])->store.k(1)[1].erstellt.text(), "06.12.2026");
    // Refused, it writes nothing, not even the media.
    struct OnePicture : MediaSource {
        std::optional<std::string> read(const std::string&) const override { return "JPEG"; }
    };
    deck.media = std::make_shared<OnePicture>();
    deck.cards.front().medium = "bild.jpg";
    dir.write("Klein-2.ldt", "");
    EXPECT_EQ(writeDeckSets(deck, dir.file("Klein.ldt"), "07.12.2026", again).code,
              std::errc::file_exists);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Klein.ldt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Klein-Medien")));
}

TEST_F(DeckSetTest, MediaThatCannotBeCopiedAreCounted) {
    AnkiContent content = sampleAnki();
    content.media.clear();
    const Deck deck = read(olderAnkiPackage(content), "a.apkg");
    DeckImportReport report;
    ASSERT_FALSE(writeDeckSets(deck, dir.file("Ohne.ldt"), "06.12.2026", report));
    EXPECT_EQ(report.medienFehlen, 1);
    EXPECT_EQ(loaded(dir.file("Ohne.ldt"))->store.k(5)[1].medium, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Ohne-Medien")));
}

TEST(DeckImportCli, ImportsRefusesAndRejectsOptions) {
    TempDir dir;
    dir.write("v.kvtml", kvtmlText({"de", "en", "fr"}, {kvtmlWords({"Haus", "house", "maison"})}));
    dir.write("a.apkg", olderAnkiPackage(sampleAnki()));
    dir.write("leer.apkg", "kein zip");
    // "@" stands for the test's folder.
    const struct {
        std::string arguments;
        int exitCode;
        std::string text;  // in the output or the error output
    } cases[] = {
        {"@v.kvtml @neu.ldt --sprachen 2,0", 0,
         "1 Karten importiert, 1 in Kasten 1; 0 ohne weiteres Medium"},
        {"@a.apkg @stapel --stapel Default", 0, "3 Karten importiert"},
        {"@a.apkg @x.ldt --stapel Nichts", 1, "keinen Stapel »Nichts«"},
        {"@leer.apkg @y.ldt", 1,
         "»" + dir.file("leer.apkg") + "« kann nicht importiert werden: sie ist kein ZIP-Archiv."},
        {"@v.kvtml @z.ldt --sprachen 0", 2, "--sprachen braucht zwei Nummern"},
        {"@v.kvtml @z.ldt --sprachen 0,5", 1, "keine Sprache Nummer 5"},
        {"@v.kvtml @z.ldt --was", 2, "Unbekannte Option: --was"},
        {"@v.kvtml", 2, "Aufruf: memvalo-cli import"},
    };
    for (const auto& c : cases) {
        std::string args = "import " + c.arguments;
        for (std::size_t at; (at = args.find('@')) != std::string::npos;) {
            args.replace(at, 1, "'" + dir.path() + "'");
        }
        const CliRun run = runCli(args, dir.file("err.txt"));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << run.err;
        EXPECT_NE((run.out + run.err).find(c.text), std::string::npos) << run.out << run.err;
    }
    EXPECT_TRUE(std::filesystem::exists(dir.file("neu.ldt")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("stapel.ldt")));
    for (const char* refused : {"x.ldt", "y.ldt", "z.ldt"}) {
        EXPECT_FALSE(std::filesystem::exists(dir.file(refused))) << refused;
    }
}

}  // namespace
}  // namespace memvalo::test
