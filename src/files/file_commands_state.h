#pragma once
// What the file commands remember between two events: the exit question's answer, the
// title suffix, the history, and what the set looked like when it was last loaded or saved.
#include <optional>
#include <string>

#include "core/set_lock.h"
#include "files/file_history.h"
#include "files/saved_set.h"

namespace memvalo {

struct FileCommandsState {
    // The answer of the exit question: 6 yes, 7 no, 2 cancelled, 0 not asked.
    int beenden_antwort = 0;
    // "   Datei: name.ldt" or "   Neuanlage", shown after the version in the window caption.
    std::string titelzusatz;
    FileHistory verlauf;
    // The file dialogs share one dialog; a save without a set path keeps its last title.
    std::string dialogTitle = "Lerndatei speichern";
    // The set as last loaded, saved or newly made (none before the first): a set that
    // differs from it has changes the exit question must not let go unasked.
    std::optional<SavedSet> saved;
    // The window's claim on the set it has open, which other windows see.
    SetClaim claim;
    // The history file could not be read or written, and the user has been told so.
    bool historyFaultShown = false;
};

}  // namespace memvalo
