#pragma once
// One card. The record of box N carries the dates of boxes 2..N; one type serves every box
// shape, and a box only reads and writes the dates its shape has.
#include <array>
#include <string>
#include <string_view>

namespace memvalo {

// A date or the wrong-answer count: exactly 10 characters, left-aligned, blank-padded, cut.
class FixedText {
  public:
    static constexpr std::size_t kWidth = 10;

    FixedText() : text_(kWidth, ' ') {}
    FixedText(std::string_view value) { assign(value); }  // NOLINT: stores like an assignment
    FixedText& operator=(std::string_view value) {
        assign(value);
        return *this;
    }

    const std::string& text() const { return text_; }
    bool operator==(const FixedText&) const = default;

  private:
    void assign(std::string_view value);
    std::string text_;
};

struct CardRecord {
    std::string frage;
    std::string antwort;
    std::string zusatz1;
    std::string zusatz2;
    FixedText erstellt;
    // kasten_am[0] is the date the card entered box 2, ... kasten_am[3] box 5.
    std::array<FixedText, 4> kasten_am;
    FixedText falsch;
    std::string medium;

    // The dates a record of box `box` carries: box 1 none, box 5 all four.
    static constexpr int datesOfBox(int box) { return box - 1; }

    bool operator==(const CardRecord&) const = default;
};

// The wrong-answer count as a file keeps it: trimmed, and "0" for a blank one.
std::string savedFalsch(const FixedText& falsch);

}  // namespace memvalo
