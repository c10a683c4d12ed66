// memvalo-cli: batch jobs on learning sets through the same code as the program.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/app.h"
#include "cli/batch_platform.h"
#include "cli/commands.h"
#include "core/startup.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    memvalo::BatchPlatform platform(std::cerr);
    memvalo::App app(platform);
    app.paths.programFolder = memvalo::programFolderFor(argv[0]);
    app.paths.exeName = "memvalo";
    try {
        return memvalo::runCommand(app, args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        // Every expected failure is a message of its own; this is the last guard.
        std::cerr << "Unerwarteter Fehler: " << e.what() << '\n';
        return 1;
    }
}
