#pragma once
// The numbers of a set's learning: how full the boxes are and were, how often and how well
// the learner studies, and which cards keep failing. Counted from the cards and the history.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/card_store.h"
#include "core/learning_history.h"

namespace memvalo {

inline constexpr int kActivityDays = 365;
inline constexpr std::size_t kProblemCards = 20;

struct BoxFill {
    int count = 0;
    int capacity = 0;
};

struct MonthCount {
    int year = 0;
    int month = 0;  // 1..12
    int cards = 0;
};

// Right answers out of all answers given from one box.
struct HitCount {
    int right = 0;
    int given = 0;
};

struct ProblemCard {
    std::string question;
    std::string answer;
    int box = 0;
    int position = 0;
    int wrong = 0;
};

struct LearningStatistics {
    Day today = 0;
    std::array<BoxFill, 5> boxes;
    // The box counts of every day saved.
    std::vector<DayCounts> days;
    // Cards now in box 5 by the month they reached it, months without any included.
    std::vector<MonthCount> reachedBox5;
    // Answers on each of the last kActivityDays days, today last.
    std::vector<int> answersPerDay;
    int answers7 = 0;
    int answers30 = 0;
    // Days in a row with answers, up to today (or up to yesterday while today has none yet).
    int currentRun = 0;
    int longestRun = 0;
    std::array<HitCount, 5> hits30;
    std::array<HitCount, 5> hitsAll;
    // The cards with the most wrong answers, most first.
    std::vector<ProblemCard> problemCards;
};

LearningStatistics learningStatistics(const CardStore& store, const LearningHistory& history,
                                      Day today);

// Whole per cent, rounded; nothing when nothing was given.
std::optional<int> hitPercent(const HitCount& hits);

}  // namespace memvalo
