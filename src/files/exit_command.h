#pragma once
#include "core/app.h"

namespace memvalo {

// Ends the program after the exit question; false when the learner cancelled it, and the
// program goes on.
bool mnuende_Click(App& app);

}  // namespace memvalo
