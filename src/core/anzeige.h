#pragma once
#include "core/session.h"

namespace memvalo {

// Shows the picture of the card on screen, or plays its sound, fitted into the picture area.
void anzeige(Session& app);

}  // namespace memvalo
