#pragma once
// The main window as designed: where each control sits (twips), its design caption and font.
// The layout-scaling object records this once and scales from it.
#include "model/main_window_model.h"

namespace memvalo {

// The window may not be made smaller than this.
inline constexpr int kMinWindowWidth = 8250;
inline constexpr int kMinWindowHeight = 7920;
// The designed window size.
inline constexpr int kDesignWidth = 9000;
inline constexpr int kDesignHeight = 8550;

void applyDesignLayout(MainWindowModel& w);

}  // namespace memvalo
