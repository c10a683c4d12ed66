#pragma once
// The run as the file commands, and the folders above them, see it: adds what the file
// commands remember between two events.
#include "files/file_commands_state.h"
#include "settings/settings_context.h"

namespace memvalo {

class FilesContext : public SettingsContext {
  public:
    using SettingsContext::SettingsContext;

    // The exit question's answer, the title suffix, the history.
    FileCommandsState files;
};

}  // namespace memvalo
