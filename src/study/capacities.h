#pragma once
// The capacity (target value) of each box: editing the five fields and taking them over.
#include "model/events.h"
#include "study/study_context.h"

namespace memvalo {

void mnuazkändern_Click(StudyContext& app);
// Only digits reach a capacity field, and Backspace and Delete to correct them.
void txtazsoll_KeyPress(StudyContext& app, int index, UiEvent& event);
// Checks the value of field `index` when the learner leaves it.
void txtazsoll_LostFocus(StudyContext& app, int index);
void cmdsollübernahme_Click(StudyContext& app);

}  // namespace memvalo
