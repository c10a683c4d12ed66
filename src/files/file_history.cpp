#include "files/file_history.h"

#include <algorithm>
#include <filesystem>

#include "core/codec.h"
#include "core/safe_file.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

bool setExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

int FileHistory::count() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const std::string& e) { return !e.empty(); }));
}

bool FileHistory::contains(const std::string& path) const {
    return std::find(entries_.begin(), entries_.end(), path) != entries_.end();
}

std::error_code FileHistory::load(const std::string& historyFile) {
    std::string bytes;
    if (const std::error_code ec = readWholeFile(historyFile, bytes, kMaxLineFileBytes)) return ec;
    entries_ = {};
    std::size_t next = 0;
    for (const std::string& path : historyLines(bytes)) {
        if (next == entries_.size()) break;
        if (setExists(path) && !contains(path)) entries_[next++] = path;
    }
    return {};
}

std::error_code FileHistory::save(const std::string& historyFile) const {
    std::vector<std::string> paths;
    for (const std::string& path : entries_) {
        if (path.empty()) break;
        paths.push_back(path);
    }
    const std::string bytes = historyBytes(paths);
    // Every save from the window lists its set; mostly the list is the same, and then writing
    // and flushing it again would only cost time.
    std::string onDisk;
    if (!readWholeFile(historyFile, onDisk, kMaxLineFileBytes) && onDisk == bytes) return {};
    return writeFileAtomically(historyFile, bytes);
}

std::vector<std::string> historyLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        lines.push_back(trimBlanks(cp1252ToUtf8(bytes.substr(start, end - start))));
        start = end + (bytes.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    return lines;
}

std::string historyBytes(const std::vector<std::string>& paths) {
    std::string bytes;
    for (const std::string& path : paths) {
        appendCp1252(bytes, withoutLineBreaks(path));
        bytes += "\r\n";
    }
    return bytes;
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
