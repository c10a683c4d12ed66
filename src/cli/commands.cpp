#include "cli/commands.h"

#include <ostream>

#include "core/version.h"

namespace memvalo {

namespace {

constexpr const char* kUsage =
    "Aufruf: memvalo-cli BEFEHL [ARGUMENTE]\n"
    "Befehle:\n"
    "  version           zeigt die Programmversion\n";

}  // namespace

int runCommand(App&, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "version") {
        out << "Memvalo Version " << kVersionText << '\n';
        return 0;
    }
    err << kUsage;
    return 2;
}

}  // namespace memvalo
