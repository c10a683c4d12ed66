#pragma once
// Changing between the study modes: entry, query and browsing box 5.
#include "study/study_context.h"

namespace memvalo {

// Opening the mode menu keeps a complete card being typed.
void mnumoduswahl_Click(StudyContext& app);
// Entry mode: box 1, card 1, all fields open for typing.
void mnueingabe_Click(StudyContext& app);
// Query mode: fields covered and locked, the learner chooses a box next.
void mnuzufall_Click(StudyContext& app);
// Box 5: between browsing its cards and querying them.
void optk5_Click(StudyContext& app);

}  // namespace memvalo
