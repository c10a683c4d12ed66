#pragma once
// Opening the card search over the main window.
#include <string_view>

#include "study/study_context.h"

namespace memvalo {

// "Karten suchen...": the window over the main window until it is closed.
void mnusuche_Click(StudyContext& app);
// The same, at one card (from the statistics window's problem cards); position 0: none.
void openCardSearchAt(StudyContext& app, int box, int position);
// A fault that ends the search window: the learner is told; the changes made stay in memory.
void reportSearchFault(StudyContext& app, std::string_view what);

}  // namespace memvalo
