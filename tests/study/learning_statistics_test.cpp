// A learner's days: answers and saves are recorded in the set's history, counted and read back.
#include "study/learning_statistics.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <tuple>

#include "core/history_file.h"
#include "core/platte_an_speicher.h"
#include "core/sicherheitskopie.h"
#include "core/speicher_an_platte.h"
#include "study/study_fixture.h"
#include "study/take_back.h"

namespace memvalo::test {
namespace {

class LearningDays : public StudyTest {
  protected:
    LearningDays() { app.setPath = dir.file("satz.ldt"); }

    void on(const char* date, const char* time = "08:00:00") {
        platform.todayText = date;
        platform.timeText = time;
    }
    void save() {
        for (int i = 0; i < 5; ++i) app.frm1.txtazsoll[i].caption = "100";
        ASSERT_TRUE(speicher_an_platte(app));
    }
    void reopen() {
        ASSERT_EQ(platte_an_speicher(app), LoadResult::Loaded);
        openHistory(app);
    }
    LearningStatistics statistics() const {
        return learningStatistics(app.store, app.history, *dayOf(platform.todayText));
    }
};

TEST_F(LearningDays, AnswersAndDailyCountsAreSavedWithTheSetAndCounted) {
    fill(1, {"a", "b", "c", "d"});
    startHistory(app);
    on("05.12.2026");
    save();
    on("06.12.2026", "18:04:31");
    expectAnswers({Answer::No});
    queryBox(1);
    pressRight();
    pressWrong();
    save();
    on("07.12.2026");
    pressRight();
    mnuzurücknehmen_Click(app);
    pressRight();
    save();
    save();
    recordAnswer(app, 1, false);  // given, never saved
    reopen();

    EXPECT_EQ(dir.read("satz.vlf"),
              "S;05.12.2026;4;0;0;0;0\r\n"
              "A;06.12.2026;18:04:31;1;r\r\nA;06.12.2026;18:04:31;1;f\r\n"
              "S;06.12.2026;3;1;0;0;0\r\n"
              "A;07.12.2026;08:00:00;1;r\r\nS;07.12.2026;2;2;0;0;0\r\n");
    const LearningStatistics stats = statistics();
    EXPECT_EQ(std::tuple(stats.days.size(), stats.answers7, stats.answersPerDay.back(),
                         stats.currentRun, stats.longestRun),
              std::tuple(std::size_t{3}, 3, 1, 2, 2));
    EXPECT_EQ(std::pair(hitPercent(stats.hitsAll[0]), hitPercent(stats.hits30[1])),
              std::pair(std::optional(67), std::optional<int>()));
    ASSERT_EQ(stats.problemCards.size(), 1U);
    EXPECT_EQ(stats.problemCards[0].answer, "b");

    // A backup and a save under another name take the history along.
    expectAnswers({Answer::OK});
    sicherheitskopie(app);
    EXPECT_EQ(dir.read("07122026/satz.vlf"), dir.read("satz.vlf"));
    on("08.12.2026");
    app.setPath = dir.file("kopie.ldt");
    save();
    EXPECT_EQ(dir.read("kopie.vlf"), dir.read("satz.vlf") + "S;08.12.2026;2;2;0;0;0\r\n");
}

TEST_F(LearningDays, AnUnusableHistoryIsSetAsideAndTheCardsOpen) {
    const struct {
        const char* name;
        std::function<void(const std::string&)> spoil;
        const char* reason;
    } cases[] = {
        {"bad line", [this](const std::string&) { dir.write("satz.vlf", "S;1\r\n"); },
         "(Zeile 1: unbekannter Eintrag)"},
        {"oversized",
         [](const std::string& path) {
             std::ofstream(path).close();
             std::filesystem::resize_file(path, kMaxHistoryBytes + 1);
         },
         "(größer als 64 MB)"},
    };
    fill(1, {"a"});
    on("07.12.2026");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.file("satz.vlf.defekt-07122026"));
        save();
        c.spoil(dir.file("satz.vlf"));
        expectAnswers({Answer::OK});
        newMessages();
        reopen();
        const std::vector<std::string> messages = newMessages();
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_NE(messages[0].find(dir.file("satz.vlf") + " ist unbrauchbar " + c.reason),
                  std::string::npos)
            << messages[0];
        EXPECT_NE(messages[0].find(dir.file("satz.vlf.defekt-07122026")), std::string::npos);
        EXPECT_EQ(app.store.k(1).anz, 1);
        EXPECT_TRUE(app.history.kept && app.history.answers.empty());
        save();
        EXPECT_EQ(dir.read("satz.vlf"), "S;07.12.2026;1;0;0;0;0\r\n");
    }
}

TEST(LearningStatistics, RunsOfStudyDays) {
    const Day today = *dayOf("07.12.2026");
    const struct {
        std::vector<int> daysAgo;
        int current;
        int longest;
    } cases[] = {
        {{}, 0, 0},           {{0}, 1, 1}, {{1}, 1, 1}, {{2}, 0, 1}, {{5, 4, 3, 1, 0}, 2, 3},
        {{0, 2, 1, 1}, 3, 3},
    };
    for (const auto& c : cases) {
        LearningHistory history;
        for (int ago : c.daysAgo) history.answers.push_back({today - ago, 0, 1, true});
        const LearningStatistics stats = learningStatistics(CardStore{}, history, today);
        EXPECT_EQ(std::pair(stats.currentRun, stats.longestRun), std::pair(c.current, c.longest))
            << ::testing::PrintToString(c.daysAgo);
    }
}

TEST(LearningStatistics, ProblemCardsAndMonthsOfBox5) {
    CardStore store;
    for (int i = 1; i <= 24; ++i) {
        CardRecord card;
        card.antwort = std::to_string(i);
        card.falsch = std::to_string(i % 12);
        if (i <= 3)
            card.kasten_am[3] = i == 1 ? "15.10.2026" : "0" + std::to_string(i) + ".12.2026";
        ASSERT_TRUE(store.k(i <= 3 ? 5 : 2).append(card));
    }
    const LearningStatistics stats = learningStatistics(store, {}, *dayOf("07.12.2026"));
    ASSERT_EQ(stats.problemCards.size(), kProblemCards);
    const ProblemCard& second = stats.problemCards[1];
    EXPECT_EQ(std::tuple(stats.problemCards[0].answer, second.answer, second.box, second.position,
                         stats.problemCards.back().wrong),
              std::tuple("11", "23", 2, 20, 2));
    ASSERT_EQ(stats.reachedBox5.size(), 3U);
    EXPECT_EQ(std::tuple(stats.reachedBox5[0].month, stats.reachedBox5[1].cards,
                         stats.reachedBox5[2].cards),
              std::tuple(10, 0, 2));
}

}  // namespace
}  // namespace memvalo::test
