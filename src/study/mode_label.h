#pragma once
// The mode label `lblbild`: its text and colours tell the learner which mode is on.
#include <string_view>

#include "core/app.h"

namespace memvalo {

void showEntryMode(App& app);
void showQueryMode(App& app);
// Browsing box 5: "Blättern" at the end of a pass, " Blättern " when switched by hand.
void showBrowseMode(App& app, std::string_view text);

}  // namespace memvalo
