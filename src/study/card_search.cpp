#include "study/card_search.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <utility>

#include "core/card_fields.h"
#include "core/search_folding.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

// Every word of the query, folded.
std::vector<std::string> foldedWords(std::string_view query) {
    std::vector<std::string> words;
    const std::string folded = foldForSearch(query);
    std::size_t start = 0;
    while ((start = folded.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = folded.find(' ', start);
        words.push_back(folded.substr(start, end - start));
        start = end;
    }
    return words;
}

SearchRow makeRow(const CardRecord& card, int box, int position) {
    SearchRow row{box, position, {}, {}};
    row.cells = {std::to_string(box),
                 std::to_string(position),
                 oneLine(card.frage),
                 oneLine(card.antwort),
                 trimBlanks(card.falsch.text()),
                 trimBlanks(card.erstellt.text()),
                 {},
                 {},
                 {},
                 {}};
    for (int d = 0; d < CardRecord::datesOfBox(box); ++d) {
        row.cells[static_cast<std::size_t>(6 + d)] = trimBlanks(card.kasten_am[d].text());
    }
    for (const CardField& field : kCardFields) {
        if (!row.folded.empty()) row.folded += '\n';
        row.folded += foldForSearch(card.*field.text);
    }
    return row;
}

bool holdsEveryWord(const SearchRow& row, const std::vector<std::string>& words) {
    return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
        return row.folded.find(word) != std::string::npos;
    });
}

bool chosen(const BoxChoice& boxes, int box) {
    return boxes[static_cast<std::size_t>(box - 1)];
}

// How a cell sorts: numbers by value before texts, a date "TT.MM.JJJJ" by year, month, day,
// a text as it is searched, so that "école" stands among the e.
struct SortKey {
    long long number = -1;
    std::string text;
    auto operator<=>(const SortKey&) const = default;
};

SortKey sortKey(const std::string& cell, ColumnOrder order) {
    switch (order) {
        case ColumnOrder::Number: {
            long long value = 0;
            const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
            if (ec == std::errc() && end == cell.data() + cell.size()) return {value, {}};
            return {-1, cell};
        }
        case ColumnOrder::Date:
            if (cell.size() == 10 && cell[2] == '.' && cell[5] == '.') {
                return {-1, cell.substr(6, 4) + cell.substr(3, 2) + cell.substr(0, 2)};
            }
            return {-1, cell};
        case ColumnOrder::Text:
            break;
    }
    return {-1, foldForSearch(cell)};
}

}  // namespace

std::string oneLine(std::string_view stored) {
    std::string text(stored);
    anfuehrung_rein(text);
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    }
    return trimBlanks(text);
}

CardIndex::CardIndex(const CardStore& store) {
    CardRecord scratch;
    for (int box = 1; box <= 5; ++box) {
        const Box& k = store.k(box);
        for (int p = 1; p <= k.anz; ++p) {
            const CardRecord& card = k.peek(p, scratch);
            if (trimBlanks(card.frage).empty() && trimBlanks(card.antwort).empty()) continue;
            rows_.push_back(makeRow(card, box, p));
        }
    }
}

std::vector<int> CardIndex::find(std::string_view query, const BoxChoice& boxes) const {
    const std::vector<std::string> words = foldedWords(query);
    std::vector<int> hits;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (chosen(boxes, rows_[i].box) && holdsEveryWord(rows_[i], words)) {
            hits.push_back(static_cast<int>(i));
        }
    }
    return hits;
}

int CardIndex::rowOf(int box, int position) const {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const SearchRow& row) {
        return row.box == box && row.position == position;
    });
    return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

std::vector<std::vector<int>> CardIndex::duplicateQuestions(const BoxChoice& boxes) const {
    std::map<std::string, std::size_t> groupOf;
    std::vector<std::vector<int>> groups;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!chosen(boxes, rows_[i].box)) continue;
        const std::string question = trimBlanks(foldCase(rows_[i].cells[2]));
        const auto [it, added] = groupOf.try_emplace(question, groups.size());
        if (added) groups.emplace_back();
        groups[it->second].push_back(static_cast<int>(i));
    }
    std::erase_if(groups, [](const std::vector<int>& group) { return group.size() < 2; });
    return groups;
}

void sortRows(const CardIndex& index, std::vector<int>& rows, std::size_t column, bool ascending) {
    const ColumnOrder order = kSearchColumns.at(column).order;
    std::vector<std::pair<SortKey, int>> keyed;
    keyed.reserve(rows.size());
    for (int row : rows) {
        keyed.emplace_back(
            sortKey(index.rows()[static_cast<std::size_t>(row)].cells[column], order), row);
    }
    // Rows are indexed in box and position order, so the row number breaks ties.
    std::sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        if (a.first != b.first) return ascending ? a.first < b.first : b.first < a.first;
        return a.second < b.second;
    });
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = keyed[i].second;
}

}  // namespace memvalo
