#pragma once
#include "app/app.h"

namespace memvalo {

// Ends the program after the exit question; false when the learner cancelled it, and the
// program goes on.
bool mnuende_Click(App& app);

// The learner chose in the error window to end the program: once the command that failed is
// over, the program ends as by its exit command, with the question whether to save first.
void endAfterFault(App& app);

}  // namespace memvalo
