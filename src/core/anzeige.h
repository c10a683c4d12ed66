#pragma once
#include "core/session.h"

namespace memvalo {

// Shows the picture of the card on screen, or plays its sound, fitted into the picture area.
void anzeige(Session& app);
// The picture that stands for a card's picture or sound where no sound is played: the
// picture itself, or the program's picture for a sound, a missing file or another kind of
// file; empty for a card without one.
std::string mediumPicture(const Session& app, const std::string& reference);

}  // namespace memvalo
