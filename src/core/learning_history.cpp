#include "core/learning_history.h"

#include <algorithm>
#include <charconv>
#include <chrono>

namespace memvalo {

namespace {

namespace chr = std::chrono;

// A number of exactly `digits` digits at the front of `text`.
std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t digits) {
    if (text.size() < at + digits) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

void appendPadded(std::string& out, int value, int digits) {
    char buffer[12];
    for (int i = digits - 1; i >= 0; --i) {
        buffer[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(buffer, static_cast<std::size_t>(digits));
}

void appendDate(std::string& out, Day day) {
    const chr::year_month_day date{chr::sys_days{chr::days{day}}};
    appendPadded(out, static_cast<int>(static_cast<unsigned>(date.day())), 2);
    out += '.';
    appendPadded(out, static_cast<int>(static_cast<unsigned>(date.month())), 2);
    out += '.';
    appendPadded(out, static_cast<int>(date.year()), 4);
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::optional<int> countOf(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 2000) {
        return std::nullopt;
    }
    return value;
}

// Reads one line into the history; the reason when it is no event.
std::optional<std::string> readLine(std::string_view line, LearningHistory& history) {
    const std::vector<std::string_view> f = fieldsOf(line);
    const std::optional<Day> day = dayOf(f.size() > 1 ? f[1] : std::string_view());
    if (f[0] == "A" && f.size() == 5) {
        const auto second = secondOf(f[2]);
        const auto box = digitsAt(f[3], 0, 1);
        if (!day) return "ungültiges Datum";
        if (!second) return "ungültige Uhrzeit";
        if (f[3].size() != 1 || !box || *box < 1 || *box > 5) return "ungültiger Kasten";
        if (f[4] != "r" && f[4] != "f") return "weder r noch f";
        history.answers.push_back({*day, *second, static_cast<std::int8_t>(*box), f[4] == "r"});
        return std::nullopt;
    }
    if (f[0] == "S" && f.size() == 7) {
        if (!day) return "ungültiges Datum";
        DayCounts counts{*day, {}};
        for (std::size_t i = 0; i < 5; ++i) {
            const auto count = countOf(f[i + 2]);
            if (!count) return "ungültige Kartenzahl";
            counts.counts[i] = *count;
        }
        putDay(history.days, counts);
        history.lastDayLineDay = *day;
        return std::nullopt;
    }
    return "unbekannter Eintrag";
}

}  // namespace

std::optional<Day> dayOf(std::string_view date) {
    const auto d = digitsAt(date, 0, 2), m = digitsAt(date, 3, 2), y = digitsAt(date, 6, 4);
    if (date.size() != 10 || date[2] != '.' || date[5] != '.' || !d || !m || !y) {
        return std::nullopt;
    }
    const chr::year_month_day ymd{chr::year{*y}, chr::month{static_cast<unsigned>(*m)},
                                  chr::day{static_cast<unsigned>(*d)}};
    if (!ymd.ok()) return std::nullopt;
    return static_cast<Day>(chr::sys_days{ymd}.time_since_epoch().count());
}

std::optional<int> secondOf(std::string_view time) {
    const auto h = digitsAt(time, 0, 2), m = digitsAt(time, 3, 2), s = digitsAt(time, 6, 2);
    if (time.size() != 8 || time[2] != ':' || time[5] != ':' || !h || !m || !s || *h > 23 ||
        *m > 59 || *s > 59) {
        return std::nullopt;
    }
    return (*h * 60 + *m) * 60 + *s;
}

void putDay(std::vector<DayCounts>& days, const DayCounts& day) {
    const auto at = std::lower_bound(days.begin(), days.end(), day.day,
                                     [](const DayCounts& d, Day value) { return d.day < value; });
    if (at != days.end() && at->day == day.day) {
        *at = day;
    } else {
        days.insert(at, day);
    }
}

std::string dateText(Day day) {
    std::string text;
    appendDate(text, day);
    return text;
}

std::optional<HistoryFault> parseHistory(std::string_view bytes, LearningHistory& history) {
    history.answers.clear();
    history.days.clear();
    history.lastDayLine = bytes.size();
    int number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        ++number;
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string_view::npos) return HistoryFault{number, "Zeile ohne Ende"};
        const std::string_view line = bytes.substr(start, end - start);
        if (auto reason = readLine(line, history)) return HistoryFault{number, *reason};
        if (line.front() == 'S') history.lastDayLine = start;
        start = end + 2;
        if (start < bytes.size()) history.lastDayLine = bytes.size();
    }
    history.savedAnswers = history.answers.size();
    history.fileSize = bytes.size();
    return std::nullopt;
}

void appendAnswerLine(std::string& out, const AnswerEvent& event) {
    out += "A;";
    appendDate(out, event.day);
    out += ';';
    appendPadded(out, event.second / 3600, 2);
    out += ':';
    appendPadded(out, event.second / 60 % 60, 2);
    out += ':';
    appendPadded(out, event.second % 60, 2);
    out += ';';
    out += static_cast<char>('0' + event.box);
    out += event.right ? ";r\r\n" : ";f\r\n";
}

void appendDayLine(std::string& out, const DayCounts& day) {
    out += "S;";
    appendDate(out, day.day);
    for (int count : day.counts) out += ';' + std::to_string(count);
    out += "\r\n";
}

std::string historyBytes(const LearningHistory& history) {
    std::string out;
    auto answer = history.answers.begin();
    for (const DayCounts& day : history.days) {
        for (; answer != history.answers.end() && answer->day <= day.day; ++answer) {
            appendAnswerLine(out, *answer);
        }
        appendDayLine(out, day);
    }
    for (; answer != history.answers.end(); ++answer) appendAnswerLine(out, *answer);
    return out;
}

}  // namespace memvalo
