#pragma once
// The picture program and the sound recorder: found at start, started from the multimedia
// menu, chosen by the user, and reset to what the desktop offers.
#include <string_view>

#include "settings/settings_context.h"

namespace memvalo {

inline constexpr std::string_view kSearchPaint = "Grafikprogramm suchen...";
inline constexpr std::string_view kSearchRecorder = "Audioprogramm suchen...";

// Takes the first known program of each kind found on the search path; an entry without a
// program offers the search instead.
void detectExternalPrograms(SettingsContext& app, std::string_view searchPath);

void mnupaint_Click(SettingsContext& app);
void mnurecorder_Click(SettingsContext& app);
void mnuresetpaint_Click(SettingsContext& app);
void mnuresetrec_Click(SettingsContext& app);
void mnureset_Click(SettingsContext& app);

}  // namespace memvalo
