#pragma once
// The commands of memvalo-cli. Each returns the process exit code.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/app.h"

namespace memvalo {

int runCommand(App& app, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);

}  // namespace memvalo
