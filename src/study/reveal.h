#pragma once
// The reveal button: uncovers the card and offers the two answer buttons.
#include "study/study_context.h"

namespace memvalo {

void cmdantwort_Click(StudyContext& app);

}  // namespace memvalo
