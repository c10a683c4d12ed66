#pragma once
#include "files/files_context.h"

namespace memvalo {

// A new, empty set: box 1 with one empty card to type into, default capacities, no name yet.
void mnudatneu_Click(FilesContext& app);

}  // namespace memvalo
