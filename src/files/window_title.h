#pragma once
#include <string>

#include "core/app.h"

namespace memvalo {

// The caption: the program's title, its version and the suffix naming the open set.
void setTitleSuffix(App& app, const std::string& suffix);
// "   Datei: " and the file name of the open set.
void showSetInTitle(App& app);

}  // namespace memvalo
