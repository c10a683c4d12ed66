#pragma once
// What the study procedures remember between two events of the main window: the box being
// worked, how the card is covered during a query, and whether the page keys page.
#include <string>

namespace memvalo {

struct StudyState {
    // The box being worked, 1..5; box 1 in entry mode. Changes only together with the check
    // marks of the box menu, so the reveal and the answer buttons agree on the box.
    int kasten = 1;
    // 0: the answer field is covered, 1: the question field (the card is asked backwards).
    int verdeckmodus = 0;
    // 0: both extra fields covered, 1: both visible, 2: only the first visible.
    int zusatzmodus = 0;
    // 1 while texts corrected during a query are stored into the answered card.
    int korrektur = 0;
    // "ja" when Page Up and Page Down page the cards; taken from `mnukey` when a set is opened.
    std::string blaettern_tasten = "nein";
};

}  // namespace memvalo
