#pragma once
#include <string>
#include <string_view>

#include "files/files_context.h"

namespace memvalo {

// The window caption before the version string.
inline constexpr std::string_view kProductTitle = "Memvalo    Lernkartei mit fünf Kästen ";

// The caption: the program's title, its version and the suffix naming the open set.
void setTitleSuffix(FilesContext& app, const std::string& suffix);
// "   Datei: " and the file name of the open set.
void showSetInTitle(FilesContext& app);

}  // namespace memvalo
