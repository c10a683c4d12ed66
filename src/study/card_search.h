#pragma once
// Finding cards in all five boxes: every card's texts are folded once into an index, so that
// filtering while the learner types touches neither the disk nor a card; the hits, sorted by
// any column, and the cards whose questions are equal.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/card_store.h"

namespace memvalo {

enum class ColumnOrder { Number, Text, Date };

struct SearchColumn {
    std::string_view heading;
    ColumnOrder order;
};

// The results' columns in the order the window shows them.
inline constexpr std::array<SearchColumn, 10> kSearchColumns = {{
    {"Kasten", ColumnOrder::Number},
    {"Position", ColumnOrder::Number},
    {"Frage", ColumnOrder::Text},
    {"Antwort", ColumnOrder::Text},
    {"Falsch", ColumnOrder::Number},
    {"Erstellt", ColumnOrder::Date},
    {"In Kasten 2", ColumnOrder::Date},
    {"In Kasten 3", ColumnOrder::Date},
    {"In Kasten 4", ColumnOrder::Date},
    {"In Kasten 5", ColumnOrder::Date},
}};

// Which boxes a search looks into, box 1 first.
using BoxChoice = std::array<bool, 5>;
inline constexpr BoxChoice kAllBoxes = {true, true, true, true, true};

struct SearchRow {
    int box = 0;
    int position = 0;
    // What each column shows, one line each.
    std::array<std::string, kSearchColumns.size()> cells;
    // The four texts folded for searching, a line end between two.
    std::string folded;
};

class CardIndex {
  public:
    CardIndex() = default;
    // Folds every card with a question or an answer; a blank one is no card to find.
    explicit CardIndex(const CardStore& store);

    const std::vector<SearchRow>& rows() const { return rows_; }
    // The rows in the chosen boxes holding each word of `query` in one of their texts, in
    // box and position order; every row of those boxes for a query of blanks.
    std::vector<int> find(std::string_view query, const BoxChoice& boxes) const;
    // The row of a card, or -1.
    int rowOf(int box, int position) const;
    // The rows of the chosen boxes in groups of two or more whose questions are equal after
    // trimming and ignoring case; the groups in the order of their first card.
    std::vector<std::vector<int>> duplicateQuestions(const BoxChoice& boxes) const;

  private:
    std::vector<SearchRow> rows_;
};

// Sorts `rows` by `column`; cards that compare equal keep their box and position order.
void sortRows(const CardIndex& index, std::vector<int>& rows, std::size_t column, bool ascending);

// A card text on one line, with its quotation marks as typed.
std::string oneLine(std::string_view stored);

}  // namespace memvalo
