#pragma once
// Changing between the study modes: entry, query and browsing box 5.
#include "core/app.h"

namespace memvalo {

// Opening the mode menu keeps a complete card being typed.
void mnumoduswahl_Click(App& app);
// Entry mode: box 1, card 1, all fields open for typing.
void mnueingabe_Click(App& app);
// Query mode: fields covered and locked, the learner chooses a box next.
void mnuzufall_Click(App& app);
// Box 5: between browsing its cards and querying them.
void optk5_Click(App& app);

}  // namespace memvalo
