#pragma once
// The commands of memvalo-cli. Each returns the process exit code.
#include <iosfwd>
#include <string>
#include <vector>

#include "app/app.h"

namespace memvalo {

// Reads the set at setPath into the app; false (with the reason on err) when it is refused.
bool loadSet(App& app, const std::string& setPath, std::ostream& err);

int runCommand(App& app, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);

}  // namespace memvalo
