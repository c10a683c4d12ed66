#pragma once
// The colour fade at program end (`schluß`): a white area over the whole window runs from
// white-green through violet tones to dark blue, in steps as large as the closing delay says.
#include <chrono>
#include <cstdint>
#include <vector>

#include "files/files_context.h"

namespace memvalo {

// Readies the fade: a delay below 3 becomes 200, and `picende` covers the window, white. Then
// the front end runs the fade; it ends by itself.
void schluß(FilesContext& app);

// The background colours of the fade for a delay, in order (0x00BBGGRR): red and blue rise
// from 0 to 255 with green at 99, then red and green fall back to 0 with blue at 99.
std::vector<std::uint32_t> fadeColours(double delay);

// How long the fade of so many colours takes: a few milliseconds a colour, never so long
// that the learner waits for the program to end.
std::chrono::milliseconds fadeDuration(std::size_t colours);

}  // namespace memvalo
