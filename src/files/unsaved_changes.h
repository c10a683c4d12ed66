#pragma once
// Whether the set in memory still matches what was last loaded or saved.
#include <cstdint>

#include "files/files_context.h"

namespace memvalo {

// A fingerprint of everything a save writes: the cards of all boxes, the capacities, the
// box-5 answered count and the set's picture options and media folder.
std::uint64_t setFingerprint(const FilesContext& app);
// Remembers the set as it is now as the saved state.
void markSetSaved(FilesContext& app);
// True when the boxes differ from the saved state, or the card typed in entry mode differs
// from the card stored at its place.
bool hasUnsavedChanges(const FilesContext& app);

}  // namespace memvalo
