#include "core/startup.h"

#include <filesystem>
#include <system_error>

#include "core/version.h"

namespace fs = std::filesystem;

namespace memvalo {

std::string programFolderFor(const std::string& executablePath) {
    std::error_code ec;
    const fs::path exeFolder = fs::absolute(executablePath, ec).parent_path();
    const fs::path installed = exeFolder.parent_path() / "share" / "memvalo";
    if (fs::is_directory(installed, ec)) return withTrailingSeparator(installed.string());
    return withTrailingSeparator(exeFolder.string());
}

bool Main(Session& app, const std::string& executablePath) {
    Paths& p = app.paths;
    p.programFolder = programFolderFor(executablePath);
    p.exeName = fs::path(executablePath).stem().string();
    p.version = std::string("Version ") + kVersionText;

    const std::string base = app.platform.dataHome();
    std::error_code ec;
    const fs::path folder = fs::path(base) / p.exeName;
    if (!base.empty() && !fs::is_directory(folder, ec)) fs::create_directories(folder, ec);
    p.dataFolder = withTrailingSeparator(folder.string());
    if (base.empty() || !fs::is_directory(folder, ec)) {
        app.msgBox("Can't find app data path. Program aborted....", "Error", Buttons::OK,
                   Icon::Critical);
        return false;
    }
    p.settingsFile = p.dataFolder + p.exeName + ".ini";
    p.historyFile = p.dataFolder + "dateiliste.lis";
    return true;
}

}  // namespace memvalo
