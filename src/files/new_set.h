#pragma once
#include "core/app.h"

namespace memvalo {

// A new, empty set: box 1 with one empty card to type into, default capacities, no name yet.
void mnudatneu_Click(App& app);

}  // namespace memvalo
