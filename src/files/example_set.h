#pragma once
// The example set shipped with the program: a learner can try Memvalo on it before typing a
// hundred cards of his own.
#include <string>

#include "files/files_context.h"

namespace memvalo {

// Where the learner's own copy of the example lives: in the data folder.
std::string exampleCopyPath(const FilesContext& app);
// Copies the example into the data folder the first time, and opens that copy; a copy that
// exists already is the learner's and is opened as it is.
void mnubeispiel_Click(FilesContext& app);

}  // namespace memvalo
