#include "files/file_history.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/codec.h"
#include "core/safe_file.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

bool setExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// Lines of the file, CR LF or LF separated.
std::vector<std::string> readLines(const std::string& file) {
    std::string bytes;
    std::vector<std::string> lines;
    if (readWholeFile(file, bytes)) return lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(cp1252ToUtf8(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

int FileHistory::count() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const std::string& e) { return !e.empty(); }));
}

bool FileHistory::contains(const std::string& path) const {
    return std::find(entries_.begin(), entries_.end(), path) != entries_.end();
}

void FileHistory::load(const std::string& historyFile) {
    entries_ = {};
    std::size_t next = 0;
    for (const std::string& line : readLines(historyFile)) {
        const std::string path = trimBlanks(line);
        if (next == entries_.size()) break;
        if (setExists(path) && !contains(path)) entries_[next++] = path;
    }
}

bool FileHistory::save(const std::string& historyFile) const {
    std::string bytes;
    for (const std::string& path : entries_) {
        if (path.empty()) break;
        bytes += utf8ToCp1252(path) + "\r\n";
    }
    return !writeFileAtomically(historyFile, bytes);
}

void FileHistory::add(const std::string& setPath) {
    if (setPath.empty() || contains(setPath)) return;
    const int n = count();
    if (n < kEntries) {
        entries_[static_cast<std::size_t>(n)] = setPath;
        return;
    }
    std::rotate(entries_.begin(), entries_.begin() + 1, entries_.end());
    entries_.back() = setPath;
}

}  // namespace memvalo
