#pragma once
// The module-wide state of one run: everything the layers below see, plus the window's life
// (app/window_startup.h, app/window_close.h, app/exit_command.h).
#include <string>

#include "files/files_context.h"

namespace memvalo {

class App : public FilesContext {
  public:
    using FilesContext::FilesContext;

    // The set named on the command line (the file manager passes a double-clicked set so):
    // opened at start in place of the last one.
    std::string commandLineSet;
};

}  // namespace memvalo
