#pragma once
// The capacity (target value) of each box: editing the five fields and taking them over.
#include "core/app.h"
#include "model/events.h"

namespace memvalo {

void mnuazkändern_Click(App& app);
// Only digits reach a capacity field, and Backspace and Delete to correct them.
void txtazsoll_KeyPress(App& app, int index, UiEvent& event);
// Checks the value of field `index` when the learner leaves it.
void txtazsoll_LostFocus(App& app, int index);
void cmdsollübernahme_Click(App& app);

}  // namespace memvalo
