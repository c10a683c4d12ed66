// memvalo-cli: batch jobs on learning sets through the same code as the program.
#include <exception>
#include <iostream>
#include <string>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/app.h"
#include "cli/batch_platform.h"
#include "cli/commands.h"
#include "core/startup.h"

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // A job runs briefly: memory it frees is kept for its next allocations instead of going
    // back to the system and being faulted in anew (a deck import frees and takes megabytes).
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
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
