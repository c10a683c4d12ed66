// How the card search folds texts: case and accents never keep a learner from a card.
#include "core/search_folding.h"

#include <gtest/gtest.h>

namespace memvalo::test {
namespace {

struct Folding {
    const char* text;
    const char* folded;
};

TEST(SearchFolding, CaseAccentsAndLigaturesFoldToPlainLetters) {
    const Folding cases[] = {
        {"Straße STRASSE", "strasse strasse"},
        {"École élève Noël", "ecole eleve noel"},
        {"ÄÖÜ äöü", "aou aou"},
        {"Æsop Œuvre œil", "aesop oeuvre oeil"},
        {"Ørsted Þór Ðá", "orsted thor da"},
        {"Łódź ŠKODA Žižek", "lodz skoda zizek"},
        {"Ĳssel İzmir ıi", "ijssel izmir ii"},
        {"ŸÿñÇ", "yync"},
        {"e\xCC\x81"
         "cole",
         "ecole"},  // e and a combining accent
        {"Москва ΑΘΗΝΑ", "москва αθηνα"},
        {"Er sagte \xC2\xA8ja\xC2\xA8", "er sagte \"ja\""},
        {"Zeile\r\neins\tzwei", "zeile  eins zwei"},
        {"3 × 4 ÷ 2", "3 × 4 ÷ 2"},
        {"\xFF", "\xEF\xBF\xBD"},  // a byte that is no UTF-8 stays one unknown character
    };
    for (const Folding& c : cases) EXPECT_EQ(foldForSearch(c.text), c.folded) << c.text;
}

TEST(SearchFolding, CaseFoldingKeepsTheAccents) {
    const Folding cases[] = {
        {"STRASSE Straße", "strasse straße"},
        {"ÉCOLE", "école"},
        {"ŊĀŽŸ", "ŋāžÿ"},
        {"ΑΒΓ ДЁ", "αβγ дё"},
        {"Zeile\r\n", "zeile  "},
    };
    for (const Folding& c : cases) EXPECT_EQ(foldCase(c.text), c.folded) << c.text;
}

}  // namespace
}  // namespace memvalo::test
