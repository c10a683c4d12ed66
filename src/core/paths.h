#pragma once
// Folders and file names the whole program uses, and the small path helpers.
#include <optional>
#include <string>
#include <string_view>

namespace memvalo {

inline constexpr char kSeparator = '/';

struct Paths {
    std::string programFolder;  // holds the shipped pictures and sounds; ends in "/"
    std::string exeName;        // "memvalo"
    std::string version;        // "Version 1.0.0"
    std::string dataFolder;     // per-user; ends in "/"
    std::string settingsFile;
    std::string historyFile;
};

// With folder true: the path up to and including its last separator ("" when it has none);
// otherwise the part after it (the whole path when it has none).
std::string GetPathOrFileName(std::string_view path, bool folder);

// Appends the separator unless the folder already ends in one.
std::string withTrailingSeparator(std::string folder);

// The file as it is on disk: the exact name when it exists, else a name in the same folder
// that differs only in letter case (sets made on a case-insensitive system keep their
// pictures). nullopt when there is neither.
std::optional<std::string> findFileIgnoringCase(const std::string& path);

}  // namespace memvalo
