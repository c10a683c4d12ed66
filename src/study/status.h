#pragma once
// The status displays: the shown counts beside the boxes, the position label and the
// progress bar.
#include <string>

#include "study/study_context.h"

namespace memvalo {

// Counters and progress after every change of box 1.
void status_aktuell(StudyContext& app);
// Position label and progress after every change of the box-5 position.
void status5(StudyContext& app);

// The progress bar: its text is `vonText` (ending in " von ") followed by `bisText`.
void setProgress(StudyContext& app, int maximum, int value, const std::string& vonText,
                 const std::string& bisText);
// The progress of box 5 as `status5` shows it.
void progressOfBox5(StudyContext& app);
// The progress of the box whose menu item is checked, after an answer.
void refreshProgress(StudyContext& app);

}  // namespace memvalo
