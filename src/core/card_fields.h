#pragma once
// The four text fields of a card, each declared once: where the card record keeps it, the text
// box that shows it and the cover laid over that box during a query, its captions, its length
// limit, its place in the window, its font and its text colour. Every loop over the fields reads
// this table; a field's position in it is also its slot in the remembered font sizes and in the
// settings file's font block.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/card_record.h"
#include "model/main_window_model.h"

namespace memvalo {

struct CardField {
    std::string_view name;  // as the command line names it: "frage"
    std::string CardRecord::*text;
    std::string_view textBox;  // the text box's control name
    Control& (*boxOf)(MainWindowModel&);
    Control& (*coverOf)(MainWindowModel&);
    // Whether the cover hides the field during a query, for the cover mode (1: the question is
    // covered) and the extra-field mode (0: both covered, 1: both visible, 2: only the first).
    bool (*covered)(int verdeckmodus, int zusatzmodus);
    std::string_view caption;   // the export window's check box
    bool captionAbove;          // the window shows "<caption>:" above the text box
    int maxLength;              // characters the text box takes
    std::array<int, 4> place;   // left, top, width, height in pixels; the cover lies on top
    double fontSize;            // the default size
    std::size_t colourSlot;     // the user colour that holds the text colour
    std::string_view fontMenu;  // the menu entry that chooses the field's font

    Control& box(MainWindowModel& w) const { return boxOf(w); }
    // Reading through the same accessor; nothing is changed.
    const Control& box(const MainWindowModel& w) const {
        return boxOf(const_cast<MainWindowModel&>(w));
    }
    Control& cover(MainWindowModel& w) const { return coverOf(w); }
};

// Question and answer take about 10000 characters, the extra fields a short note.
inline constexpr std::array<CardField, 4> kCardFields = {{
    {"frage",
     &CardRecord::frage,
     "txtfrage",
     [](MainWindowModel& w) -> Control& { return w.txtfrage; },
     [](MainWindowModel& w) -> Control& { return w.picfrage; },
     [](int verdeckmodus, int) { return verdeckmodus == 1; },
     "Frage",
     false,
     10000,
     {24, 8, 376, 86},
     14,
     3,
     "mnufontfrage"},
    {"antwort",
     &CardRecord::antwort,
     "txtantwort",
     [](MainWindowModel& w) -> Control& { return w.txtantwort; },
     [](MainWindowModel& w) -> Control& { return w.picantwort; },
     [](int verdeckmodus, int) { return verdeckmodus != 1; },
     "Antwort",
     false,
     10000,
     {24, 100, 376, 86},
     14,
     8,
     "mnufontantwort"},
    // The extra fields leave a row above them for their captions "Zusatz 1:" and "Zusatz 2:".
    {"zusatz1",
     &CardRecord::zusatz1,
     "txtzusatz1",
     [](MainWindowModel& w) -> Control& { return w.txtzusatz1; },
     [](MainWindowModel& w) -> Control& { return w.piczusatz1; },
     [](int, int zusatzmodus) { return zusatzmodus == 0; },
     "Zusatz 1",
     true,
     100,
     {24, 208, 184, 42},
     10,
     9,
     "mnufontzusatz"},
    {"zusatz2",
     &CardRecord::zusatz2,
     "txtzusatz2",
     [](MainWindowModel& w) -> Control& { return w.txtzusatz2; },
     [](MainWindowModel& w) -> Control& { return w.piczusatz2; },
     [](int, int zusatzmodus) { return zusatzmodus != 1; },
     "Zusatz 2",
     true,
     100,
     {216, 208, 184, 42},
     10,
     10,
     "mnuzusatz2"},
}};

inline constexpr std::size_t kCardFieldCount = kCardFields.size();

// The default font sizes in field order.
constexpr std::array<double, kCardFieldCount> defaultFieldFontSizes() {
    std::array<double, kCardFieldCount> sizes{};
    for (std::size_t i = 0; i < kCardFieldCount; ++i) sizes[i] = kCardFields[i].fontSize;
    return sizes;
}

}  // namespace memvalo
