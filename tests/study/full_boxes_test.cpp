// Full and emptied boxes, box 1 filled by wrong answers, and resuming a box-5 pass.
#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

using Texts = std::vector<std::string>;

const std::string kBox1VollLetzter =
    "Das war der letzte Datensatz. Kasten 1 ist voll.\r"
    "Bitte erst wieder einige Fragen aus dem Kasten 1 beantworten.";

TEST_F(StudyTest, FullTargetBoxStopsTheQuery) {
    fuelle(1, {"p"});
    fuelle(2, {"a", "b"});
    fuelle(3, {"x"});
    app.store.soll[2] = 1;
    antworte({Answer::OK, Answer::No});
    frageKasten(2);
    EXPECT_EQ(neueMeldungen(), (Texts{"Kasten 3 ist voll.\rBitte erst einige Fragen beantworten!",
                                      "Datensatz im Kasten 2 mischen?"}));
    EXPECT_EQ(knoepfe(), "");

    app.store.soll[2] = 2;
    antworte({Answer::No, Answer::OK});
    waehle(2);
    EXPECT_EQ(knoepfe(), "A");
    richtig();
    EXPECT_EQ(neueMeldungen(), (Texts{"Datensatz im Kasten 2 mischen?", "Kasten 3 ist voll!"}));
    EXPECT_EQ(platform.messages.back().icon, Icon::None);
    EXPECT_EQ(namen(3), (Texts{"x", "a"}));
    EXPECT_EQ(namen(2), (Texts{"b"}));
    EXPECT_EQ(knoepfe(), "");
}

TEST_F(StudyTest, Box2FilledByTheAnswerOrAlreadyFull) {
    fuelle(1, {"a", "b", "c"});
    app.store.soll[1] = 1;
    antworte({Answer::No, Answer::OK});
    frageKasten(1);
    richtig();
    EXPECT_EQ(neueMeldungen(), (Texts{"Datensatz im Kasten 1 mischen?", "Kasten 2 ist voll !"}));
    EXPECT_EQ(namen(2), (Texts{"a"}));
    EXPECT_EQ(namen(1), (Texts{"b", "c"}));
    EXPECT_EQ(knoepfe(), "");
    // The progress refresh is skipped after this message.
    EXPECT_EQ(progressText(), " 1 von  250");

    antworte({Answer::OK, Answer::No});
    waehle(1);
    EXPECT_EQ(neueMeldungen(), (Texts{"Kasten 2 ist voll.\rBitte erst einige Fragen beantworten!",
                                      "Datensatz im Kasten 1 mischen?"}));
    EXPECT_EQ(knoepfe(), "");
}

TEST_F(StudyTest, WrongAnswersFillBox1AndTheRevealThenRefuses) {
    fuelle(1, {"p"});
    fuelle(3, {"a", "b", "c"});
    fuelle(4, {"y"});
    app.store.soll[0] = 2;
    antworte({Answer::No, Answer::OK});
    frageKasten(3);
    falsch();
    EXPECT_EQ(neueMeldungen(), (Texts{"Datensatz im Kasten 3 mischen?", kBox1VollLetzter}));
    EXPECT_EQ(app.markierung, "ja");
    EXPECT_EQ(namen(1), (Texts{"p", "a"}));
    EXPECT_EQ(namen(3), (Texts{"b", "c"}));
    EXPECT_EQ(knoepfe(), "A");

    antworte({Answer::OK});
    cmdantwort_Click(app);
    EXPECT_EQ(neueMeldungen(), (Texts{"Kasten 1 ist voll.\rBitte erst wieder einige Fragen aus "
                                      "dem Kasten 1 beantworten."}));
    EXPECT_EQ(platform.messages.back().title, "Kasten 1 ist voll");
    EXPECT_EQ(knoepfe(), "A");
    EXPECT_TRUE(app.frm1.picantwort.visible);

    // Choosing another box than box 1 is refused as well; box 3 stays the box worked.
    antworte({Answer::OK});
    waehle(4);
    EXPECT_EQ(neueMeldungen(), (Texts{kBox1VollLetzter}));
    EXPECT_EQ(app.study.kasten, 3);
    EXPECT_TRUE(app.frm1.mnukk[2].checked);

    antworte({Answer::No});
    waehle(1);
    richtig();
    EXPECT_EQ(namen(2), (Texts{"p"}));
    antworte({Answer::No});
    waehle(3);
    cmdantwort_Click(app);
    EXPECT_EQ(knoepfe(), "RF");
    EXPECT_FALSE(app.frm1.mnukastwahl.enabled);
    neueMeldungen();
}

TEST_F(StudyTest, ResumingABox5PassOrStartingAgain) {
    std::vector<std::string> zehn;
    for (char c = 'a'; c <= 'j'; ++c) zehn.emplace_back(1, c);
    fuelle(5, zehn);
    app.kasten5_beantwortet = 4;
    antworte({Answer::Yes});
    frageKasten(5);
    EXPECT_EQ(neueMeldungen(), (Texts{"Sie haben bereits 3 Fragen  richtig beantwortet.\r"
                                      "Möchten Sie mit der 4.ten Frage weitermachen ?\r"
                                      "Wenn Sie NEIN wählen, beginnt die Abfrage von vorne."}));
    EXPECT_EQ(platform.messages.back().title, "Was möchten Sie tun?");
    EXPECT_EQ(app.store.k(5).pos, 4);
    EXPECT_EQ(app.frm1.txtfrage.caption, "d?");
    EXPECT_EQ(app.frm1.lblazist[4].caption, " 7");
    EXPECT_EQ(knoepfe(), "A");

    app.kasten5_beantwortet = 2;
    antworte({Answer::No, Answer::No});
    waehle(5);
    EXPECT_EQ(neueMeldungen(), (Texts{"Sie haben bereits 1 Frage  richtig beantwortet.\r"
                                      "Möchten Sie mit der 2.ten Frage weitermachen ?\r"
                                      "Wenn Sie NEIN wählen, beginnt die Abfrage von vorne.",
                                      "Datensatz im Kasten 5 mischen?"}));
    EXPECT_EQ(app.store.k(5).pos, 1);
    EXPECT_EQ(app.kasten5_beantwortet, 1);
    EXPECT_EQ(progressText(), " 1 von  10");
}

TEST_F(StudyTest, AllBox5CardsAnsweredGoesToBrowsing) {
    fuelle(5, {"a", "b", "c"});
    app.kasten5_beantwortet = 4;
    antworte({Answer::OK});
    frageKasten(5);
    EXPECT_EQ(neueMeldungen(),
              (Texts{"Sie hatten alle Fragen in diesem Kasten beantwortet.\r"
                     "Wenn Sie OK drücken, können Sie nochmals von vorne anfangen\r"
                     "oder aus dem Menü einen anderen Kasten zum Beantworten auswählen\r"
                     "(natürlich nur, wenn auch Karten darin sind ;-) )"}));
    EXPECT_EQ(app.frm1.lblbild.caption, "Blättern");
    EXPECT_EQ(knoepfe(), "");
    EXPECT_TRUE(app.frm1.optk5.visible);
    EXPECT_EQ(app.frm1.lblxvony.caption, " 1 von  3");
}

TEST_F(StudyTest, FullBox5IsShownButNotQueried) {
    fuelle(5, {"a", "b"});
    app.store.soll[4] = 2;
    app.store.k(5).pos = 1;
    antworte({Answer::OK, Answer::No});
    frageKasten(5);
    EXPECT_EQ(neueMeldungen(), (Texts{"Kasten 5 ist voll.\rBitte neue Datei anlegen",
                                      "Datensatz im Kasten 5 mischen?"}));
    EXPECT_EQ(knoepfe(), "");
    EXPECT_EQ(app.frm1.txtfrage.caption, "a?");
}

TEST_F(StudyTest, Box1CannotTakeCard2001) {
    std::vector<std::string> viele;
    for (int i = 0; i < Box::kSlots; ++i) viele.push_back("k" + std::to_string(i));
    fuelle(1, viele);
    fuelle(2, {"a"});
    // A capacity beyond the slots, as a damaged options file may give it.
    app.store.soll[0] = 3000;
    antworte({Answer::No, Answer::OK});
    frageKasten(2);
    falsch();
    EXPECT_EQ(neueMeldungen().back(),
              "Kasten 1 ist voll: Er kann höchstens 2000 Karten aufnehmen.\r"
              "Die Karte bleibt, wo sie ist.");
    EXPECT_EQ(namen(2), (Texts{"a"}));
    EXPECT_EQ(app.store.k(2)[1].falsch.text(), "0         ");
    EXPECT_EQ(app.store.k(1).anz, Box::kSlots);
    EXPECT_EQ(knoepfe(), "");
}

}  // namespace
}  // namespace memvalo::test
