#include "core/paths.h"

#include <filesystem>
#include <system_error>

#include "core/utf8.h"

namespace fs = std::filesystem;

namespace memvalo {

std::string GetPathOrFileName(std::string_view path, bool folder) {
    const auto at = path.find_last_of(kSeparator);
    if (at == std::string_view::npos) return folder ? std::string() : std::string(path);
    return std::string(folder ? path.substr(0, at + 1) : path.substr(at + 1));
}

std::string withTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kSeparator) folder.push_back(kSeparator);
    return folder;
}

std::optional<std::string> findFileIgnoringCase(const std::string& path) {
    std::error_code ec;
    if (path.empty()) return std::nullopt;
    if (fs::is_regular_file(path, ec)) return path;
    const std::string folder = GetPathOrFileName(path, true);
    const std::string wanted = utf8::lower(GetPathOrFileName(path, false));
    if (wanted.empty()) return std::nullopt;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (utf8::lower(it->path().filename().string()) == wanted && it->is_regular_file(ec)) {
            return folder + it->path().filename().string();
        }
    }
    return std::nullopt;
}

}  // namespace memvalo
