#pragma once
#include "core/app.h"

namespace memvalo {

// Shows the picture of the card on screen, or plays its sound, fitted into the picture area.
void anzeige(App& app);

}  // namespace memvalo
