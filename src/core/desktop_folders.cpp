#include "core/desktop_folders.h"

#include <algorithm>
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
    // Every answer asks for the date; working it out from the clock each time would be a good
    // part of the answer's cost. The text is kept for a minute at most, never past midnight.
    constexpr std::time_t kKeptFor = 60;
    thread_local std::string text;
    thread_local std::time_t validUntil = 0;
    const std::time_t now = std::time(nullptr);
    if (now >= validUntil || now + kKeptFor < validUntil) {
        std::tm local{};
        localtime_r(&now, &local);
        char made[48];
        std::snprintf(made, sizeof made, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1,
                      local.tm_year + 1900);
        text = made;
        const int secondsLeftToday =
            ((23 - local.tm_hour) * 60 + (59 - local.tm_min)) * 60 + (60 - local.tm_sec);
        validUntil = now + std::min<std::time_t>(kKeptFor, secondsLeftToday);
    }
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
