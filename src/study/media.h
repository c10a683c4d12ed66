#pragma once
// Pictures and sounds of a card, and the display options for them and for quotation marks.
#include <optional>
#include <string>

#include "study/study_context.h"

namespace memvalo {

// Asks for a picture or sound file for a card; the folder chosen is offered next time.
std::optional<std::string> chooseMediumFile(StudyContext& app);
// Right button: removes the card's picture or sound; any other: chooses a file for it.
void bildbox_MouseDown(StudyContext& app, int button);
void mnubt_Click(StudyContext& app);
void mnuzeigbild_Click(StudyContext& app);
void mnunixbild_Click(StudyContext& app);
void mnuazersetzen_Click(StudyContext& app);
// A card text changed (field 0..3): shows real quotation marks while the option is on.
void textChanged(StudyContext& app, int field);

}  // namespace memvalo
