#pragma once
// Cards go from a box to the window through the box's work record (maskeds for box 1).
#include "study/study_context.h"

namespace memvalo {

// Shows the work record of `box` in the window's fields.
void showWorkRecord(StudyContext& app, int box);
// Copies card `slot` of `box` into its work record and shows it.
void showCard(StudyContext& app, int box, int slot);
// Takes the window's fields into maskeds and stores it into box 1 at its position; into an
// empty box 1 as its first card.
void storeShownCard(StudyContext& app);
// True when the position of `box` points at one of its cards.
bool positionHoldsCard(const StudyContext& app, int box);

}  // namespace memvalo
