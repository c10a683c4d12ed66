#include "study/learning_statistics.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "core/text_encoding.h"

namespace memvalo {

namespace {

namespace chr = std::chrono;

chr::year_month_day dateOf(Day day) {
    return chr::year_month_day{chr::sys_days{chr::days{day}}};
}

int wrongCount(const CardRecord& card) {
    const std::string text = trimBlanks(card.falsch.text());
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::vector<MonthCount> reachedBox5(const Box& box5) {
    std::vector<int> months;  // year * 12 + month - 1
    for (int slot = 1; slot <= box5.anz; ++slot) {
        const auto day = dayOf(trimBlanks(box5[slot].kasten_am[3].text()));
        if (!day) continue;
        const chr::year_month_day date = dateOf(*day);
        months.push_back(static_cast<int>(date.year()) * 12 +
                         static_cast<int>(static_cast<unsigned>(date.month())) - 1);
    }
    std::vector<MonthCount> counts;
    if (months.empty()) return counts;
    std::sort(months.begin(), months.end());
    for (int month = months.front(); month <= months.back(); ++month) {
        const auto [from, to] = std::equal_range(months.begin(), months.end(), month);
        counts.push_back({month / 12, month % 12 + 1, static_cast<int>(to - from)});
    }
    return counts;
}

std::vector<ProblemCard> problemCards(const CardStore& store) {
    std::vector<ProblemCard> cards;
    for (int box = 1; box <= 5; ++box) {
        const Box& b = store.k(box);
        for (int slot = 1; slot <= b.anz; ++slot) {
            const int wrong = wrongCount(b[slot]);
            if (wrong > 0) cards.push_back({b[slot].frage, b[slot].antwort, box, slot, wrong});
        }
    }
    const auto more = [](const ProblemCard& a, const ProblemCard& b) {
        if (a.wrong != b.wrong) return a.wrong > b.wrong;
        return a.box != b.box ? a.box < b.box : a.position < b.position;
    };
    const std::size_t kept = std::min(cards.size(), kProblemCards);
    std::partial_sort(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(kept), cards.end(),
                      more);
    cards.resize(kept);
    return cards;
}

// The runs of study days: the longest, and the one that reaches today or yesterday.
void countRuns(const std::vector<Day>& studyDays, Day today, LearningStatistics& stats) {
    int run = 0;
    for (std::size_t i = 0; i < studyDays.size(); ++i) {
        run = (i > 0 && studyDays[i - 1] + 1 == studyDays[i]) ? run + 1 : 1;
        stats.longestRun = std::max(stats.longestRun, run);
    }
    const bool recent = !studyDays.empty() && studyDays.back() >= today - 1;
    stats.currentRun = recent ? run : 0;
}

void countAnswers(const LearningHistory& history, Day today, LearningStatistics& stats) {
    stats.answersPerDay.assign(kActivityDays, 0);
    std::vector<Day> studyDays;
    for (const AnswerEvent& a : history.answers) {
        const Day age = today - a.day;
        if (age >= 0 && age < kActivityDays) ++stats.answersPerDay[kActivityDays - 1 - age];
        if (age >= 0 && age < 7) ++stats.answers7;
        const auto box = static_cast<std::size_t>(a.box - 1);
        ++stats.hitsAll[box].given;
        stats.hitsAll[box].right += a.right ? 1 : 0;
        if (age >= 0 && age < 30) {
            ++stats.answers30;
            ++stats.hits30[box].given;
            stats.hits30[box].right += a.right ? 1 : 0;
        }
        if (studyDays.empty() || studyDays.back() != a.day) studyDays.push_back(a.day);
    }
    // Answers come in the order given; a clock set back may bring a day twice.
    if (!std::is_sorted(studyDays.begin(), studyDays.end())) {
        std::sort(studyDays.begin(), studyDays.end());
    }
    studyDays.erase(std::unique(studyDays.begin(), studyDays.end()), studyDays.end());
    countRuns(studyDays, today, stats);
}

}  // namespace

LearningStatistics learningStatistics(const CardStore& store, const LearningHistory& history,
                                      Day today) {
    LearningStatistics stats;
    stats.today = today;
    for (int box = 1; box <= 5; ++box) {
        stats.boxes[static_cast<std::size_t>(box - 1)] = {
            store.k(box).anz, store.soll[static_cast<std::size_t>(box - 1)]};
    }
    stats.days = history.days;
    stats.reachedBox5 = reachedBox5(store.k(5));
    countAnswers(history, today, stats);
    stats.problemCards = problemCards(store);
    return stats;
}

std::optional<int> hitPercent(const HitCount& hits) {
    if (hits.given == 0) return std::nullopt;
    return (hits.right * 200 + hits.given) / (hits.given * 2);
}

}  // namespace memvalo
