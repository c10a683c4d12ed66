#pragma once
// Typing cards into box 1 in entry mode: storing, opening a new card, deleting, mirroring.
#include "core/app.h"

namespace memvalo {

// Tells the learner that a card needs at least a question and an answer.
void unvollständig(App& app);
// Stores the card and goes on: to the next card, or at the end of box 1 to a new one.
void cmdvor_Click(App& app);
// Asks before a card is deleted: true when the learner confirms.
bool deletionConfirmed(App& app);
void cmdlöschen_Click(App& app);
// Stores the card and opens its reversed twin: the answer becomes the question.
void cmdspiegel_Click(App& app);
// Leaving a filled answer field offers the mirror again.
void txtantwort_LostFocus(App& app);

}  // namespace memvalo
