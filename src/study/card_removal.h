#pragma once
// Taking the answered card out of its box.
#include "study/study_context.h"

namespace memvalo {

// The empty template of `box`: leerds for box 1, leerdsk2..5 for the others.
const CardRecord& emptyTemplate(const StudyContext& app, int box);
// Takes the card at the position of `box` out of it, keeping the order of the others, and
// shows the card that now stands at the position (the one before when the last card went,
// the empty template when none is left). The freed slot and, for an emptied box, the work
// record get the box's empty template in its present state.
void removeCard(StudyContext& app, int box);

}  // namespace memvalo
