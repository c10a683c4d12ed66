#pragma once
// Typing cards into box 1 in entry mode: storing, opening a new card, deleting, mirroring.
#include "study/study_context.h"

namespace memvalo {

// Tells the learner that a card needs at least a question and an answer.
void unvollständig(StudyContext& app);
// Stores the card and goes on: to the next card, or at the end of box 1 to a new one.
void cmdvor_Click(StudyContext& app);
// Asks before a card is deleted: true when the learner confirms.
bool deletionConfirmed(StudyContext& app);
void cmdlöschen_Click(StudyContext& app);
// Stores the card and opens its reversed twin: the answer becomes the question.
void cmdspiegel_Click(StudyContext& app);
// Leaving a filled answer field offers the mirror again.
void txtantwort_LostFocus(StudyContext& app);

}  // namespace memvalo
