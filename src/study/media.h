#pragma once
// Pictures and sounds of a card, and the display options for them and for quotation marks.
#include <optional>
#include <string>

#include "core/app.h"

namespace memvalo {

// Asks for a picture or sound file for a card; the folder chosen is offered next time.
std::optional<std::string> chooseMediumFile(App& app);
// Right button: removes the card's picture or sound; any other: chooses a file for it.
void bildbox_MouseDown(App& app, int button);
void mnubt_Click(App& app);
void mnuzeigbild_Click(App& app);
void mnunixbild_Click(App& app);
void mnuazersetzen_Click(App& app);
// A card text changed (field 0..3): shows real quotation marks while the option is on.
void textChanged(App& app, int field);

}  // namespace memvalo
