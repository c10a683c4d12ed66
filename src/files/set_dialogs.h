#pragma once
// The one file dialog of the file commands, in its open and save forms.
#include <optional>
#include <string>
#include <string_view>

#include "files/files_context.h"

namespace memvalo {

// The chosen ".ldt" file, or nullopt when the learner cancelled.
std::optional<std::string> askSetToOpen(FilesContext& app);
// A name to save under with the given title; ".ldt" is added when the learner left it out,
// since the set's other files are named from the name without it.
std::optional<std::string> askSetToSave(FilesContext& app, const std::string& title);
inline constexpr std::string_view kSaveAsTitle = "Lerndatei unter neuem Namen speichern";

}  // namespace memvalo
