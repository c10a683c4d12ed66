#pragma once
// The start of a run: where the shipped files are, who the program is, and the per-user data
// folder with the settings and history files in it.
#include <string>

#include "core/session.h"

namespace memvalo {

// The folder with the shipped pictures and sounds: <prefix>/share/memvalo/ beside an
// installed executable, otherwise the executable's own folder (the build tree).
std::string programFolderFor(const std::string& executablePath);

// Sets app.paths and creates the data folder on first start. False, after telling the user,
// when no data folder can be had; the program must then end at once.
bool Main(Session& app, const std::string& executablePath);

}  // namespace memvalo
