#include "core/desktop_folders.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace memvalo {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string xdgDataHome() {
    const std::string xdg = environment("XDG_DATA_HOME");
    if (!xdg.empty()) return xdg;
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : home + "/.local/share";
}

std::string xdgDocumentsFolder() {
    const std::string xdg = environment("XDG_DOCUMENTS_DIR");
    if (!xdg.empty()) return xdg;
    const std::string home = environment("HOME");
    std::error_code ec;
    if (!home.empty() && std::filesystem::is_directory(home + "/Documents", ec)) {
        return home + "/Documents";
    }
    return home;
}

std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900);
    return text;
}

std::string timeOfDayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

}  // namespace memvalo
