#include "settings/program_lookup.h"

#include <unistd.h>

#include <array>
#include <filesystem>

namespace memvalo {

namespace {

constexpr std::array<std::string_view, 6> kPaintPrograms = {"kolourpaint", "pinta", "drawing",
                                                            "mtpaint",     "gimp",  "krita"};
constexpr std::array<std::string_view, 5> kSoundRecorders = {
    "gnome-sound-recorder", "audio-recorder", "audacity", "kwave", "sound-recorder"};

}  // namespace

bool isExecutableFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> findOnPath(std::span<const std::string_view> names,
                                      std::string_view searchPath) {
    for (std::string_view name : names) {
        std::size_t start = 0;
        while (start <= searchPath.size()) {
            std::size_t end = searchPath.find(':', start);
            if (end == std::string_view::npos) end = searchPath.size();
            const std::string folder(searchPath.substr(start, end - start));
            if (!folder.empty()) {
                const std::string candidate = folder + "/" + std::string(name);
                if (isExecutableFile(candidate)) return candidate;
            }
            start = end + 1;
        }
    }
    return std::nullopt;
}

std::span<const std::string_view> paintProgramNames() {
    return kPaintPrograms;
}

std::span<const std::string_view> soundRecorderNames() {
    return kSoundRecorders;
}

}  // namespace memvalo
