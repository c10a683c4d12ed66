#pragma once
// The two answer buttons of a query: a correct answer moves the card one box up, a wrong
// answer sends it back to box 1 and counts the mistake.
#include "study/study_context.h"

namespace memvalo {

void cmdrichtig_Click(StudyContext& app);
void cmdfalsch_Click(StudyContext& app);

}  // namespace memvalo
