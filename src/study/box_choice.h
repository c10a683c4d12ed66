#pragma once
// Choosing the box to query from the box menu.
#include "study/study_context.h"

namespace memvalo {

// Opening the box menu: only non-empty boxes can be chosen, and only in query mode.
void mnukastwahl_Click(StudyContext& app);
// Choosing box `index` + 1.
void mnukk_Click(StudyContext& app, int index);

}  // namespace memvalo
