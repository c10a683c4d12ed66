#pragma once
// Changing a card where it stands, in any box, from outside the flow of entry and query (the
// card search): each change is a change of the set like any other, ends a pending take-back,
// and the main window's counters and the card it shows follow.
#include <array>
#include <string>

#include "core/card_fields.h"
#include "study/study_context.h"

namespace memvalo {

struct CardPlace {
    int box = 0;
    int position = 0;
};

// The texts as typed (in field order) and the medium; the card keeps its box, position, dates
// and wrong-answer count.
void editCardInPlace(StudyContext& app, CardPlace place,
                     const std::array<std::string, kCardFieldCount>& typed,
                     const std::string& medium);
void deleteCardInPlace(StudyContext& app, CardPlace place);
// Moves a card of boxes 2 to 5 to the end of box 1 without counting a wrong answer; false
// (after the message a full box 1 always gives) when box 1 has no room.
bool moveToBox1(StudyContext& app, CardPlace place);

}  // namespace memvalo
