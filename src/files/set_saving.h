#pragma once
// Saving the set in memory under a path, shared by save, save as and the exit question.
#include <string>

#include "files/files_context.h"

namespace memvalo {

// In entry mode the card on screen belongs to box 1: store it at its place first.
void storeTypedCard(FilesContext& app);
// Writes the six files under `path` and reads them back; the learner stays at the cards he
// was working on. False (after telling the learner) when the set could not be saved.
bool saveSetAs(FilesContext& app, const std::string& path);
// The File menu after a save: the commands that need a saved set become available.
void enableAfterSave(FilesContext& app);

}  // namespace memvalo
