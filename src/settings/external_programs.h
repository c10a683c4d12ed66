#pragma once
// The picture program and the sound recorder: found at start, started from the multimedia
// menu, chosen by the user, and reset to what the desktop offers.
#include <string_view>

#include "core/app.h"

namespace memvalo {

inline constexpr std::string_view kSearchPaint = "Grafikprogramm suchen...";
inline constexpr std::string_view kSearchRecorder = "Audioprogramm suchen...";

// Takes the first known program of each kind found on the search path; an entry without a
// program offers the search instead.
void detectExternalPrograms(App& app, std::string_view searchPath);

void mnupaint_Click(App& app);
void mnurecorder_Click(App& app);
void mnuresetpaint_Click(App& app);
void mnuresetrec_Click(App& app);
void mnureset_Click(App& app);

}  // namespace memvalo
