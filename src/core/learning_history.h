#pragma once
// A set's learning history: every answer and, for each day the set was saved, its five box
// counts. It lies beside the set as "NAME.vlf", Windows-1252 text with CR LF, one event a line:
//   A;07.12.2026;18:04:31;2;r     an answer from box 2 at that time, r right or f wrong
//   S;07.12.2026;14;10;8;5;4      the box counts of that day's last save
// Lines are appended save by save; the day's S line is the last line until the day's next save
// replaces it. Older versions of the program know nothing of the file and leave it alone.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace memvalo {

inline constexpr std::string_view kHistoryExtension = ".vlf";
// Far beyond a lifetime of answers (a million lines take 26 MB); a larger file is no history.
inline constexpr std::size_t kMaxHistoryBytes = std::size_t{64} << 20;

// Days counted from 1 January 1970.
using Day = std::int32_t;

// DD.MM.YYYY to a day; nothing for any other text or an impossible date.
std::optional<Day> dayOf(std::string_view date);
std::string dateText(Day day);
// HH:MM:SS to the second of the day.
std::optional<int> secondOf(std::string_view time);

struct AnswerEvent {
    Day day = 0;
    std::int32_t second = 0;  // of the day
    std::int8_t box = 1;
    bool right = false;
};

struct DayCounts {
    Day day = 0;
    std::array<int, 5> counts{};
};

struct LearningHistory {
    // Saved answers first, in the order given, then those given since the last save.
    std::vector<AnswerEvent> answers;
    std::size_t savedAnswers = 0;
    // One entry per day, in the order of the days.
    std::vector<DayCounts> days;
    // False where no history is kept: in command-line jobs and after a file that could not be
    // set aside, so that nothing overwrites it.
    bool kept = false;
    // The file as last read or written: whose it is, its length and where its last line starts
    // when that is a day's S line (else its length).
    std::string basePath;
    std::uint64_t fileSize = 0;
    std::uint64_t lastDayLine = 0;
    Day lastDayLineDay = 0;
};

// Enters a day's counts in order, replacing an earlier entry of the same day.
void putDay(std::vector<DayCounts>& days, const DayCounts& day);

// Where and why a history file cannot be read.
struct HistoryFault {
    int line = 0;
    std::string reason;
};

// Reads the bytes of a history file into `history` (its answers all saved).
std::optional<HistoryFault> parseHistory(std::string_view bytes, LearningHistory& history);

void appendAnswerLine(std::string& out, const AnswerEvent& event);
void appendDayLine(std::string& out, const DayCounts& day);
// The whole file for the history in memory: each day's answers, then its S line.
std::string historyBytes(const LearningHistory& history);

}  // namespace memvalo
