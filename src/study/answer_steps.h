#pragma once
// Steps both answer buttons share.
#include "study/study_context.h"

namespace memvalo {

// The next card is asked: the reveal button instead of the answer buttons, the fields
// covered, the menus open again, the picture hidden when it belongs to the answer.
void showCardCovered(StudyContext& app);
// Sound, buttons, covers, menus and the saved flag; false when the current box has no card
// at its position, so that there is nothing to answer.
bool beginAnswer(StudyContext& app, bool richtig);
// While correcting is allowed, the texts on screen are stored into the answered card.
void writeBackCorrection(StudyContext& app, int box);
// Counts one more wrong answer on the card: an empty or non-numeric count counts as 0.
void countWrongAnswer(CardRecord& card);
// The card as it returns to box 1: the dates of the higher boxes are dropped.
CardRecord backToBox1(const CardRecord& card);
// Ends a box-5 pass: all cards were answered, the window changes to browsing box 5.
void endBox5Pass(StudyContext& app);

}  // namespace memvalo
