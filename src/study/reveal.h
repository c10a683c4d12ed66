#pragma once
// The reveal button: uncovers the card and offers the two answer buttons.
#include "core/app.h"

namespace memvalo {

void cmdantwort_Click(App& app);

}  // namespace memvalo
