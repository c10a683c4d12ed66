#pragma once
// The mode label `lblbild`: its text and colours tell the learner which mode is on.
#include <string_view>

#include "study/study_context.h"

namespace memvalo {

void showEntryMode(StudyContext& app);
void showQueryMode(StudyContext& app);
// Browsing box 5: "Blättern" at the end of a pass, " Blättern " when switched by hand.
void showBrowseMode(StudyContext& app, std::string_view text);

}  // namespace memvalo
