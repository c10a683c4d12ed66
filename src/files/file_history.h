#pragma once
// The recently used learning sets: "dateiliste.lis" in the data folder, one full path of a
// set per line, oldest first, at most eight.
#include <array>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace memvalo {

class FileHistory {
  public:
    static constexpr int kEntries = 8;

    // Entry 1..8; an empty entry means none.
    const std::string& entry(int index) const { return entries_.at(index - 1); }
    int count() const;
    bool contains(const std::string& path) const;

    // Reads the file; entries whose set no longer exists are dropped and the rest close up.
    // A file that cannot be read leaves the entries as they were and gives its error.
    std::error_code load(const std::string& historyFile);
    // Writes the entries up to the first empty one, unless the file already lists just them.
    std::error_code save(const std::string& historyFile) const;
    // A new set goes to the end; when all eight places are taken the oldest drops out. A set
    // already listed keeps its place.
    void add(const std::string& setPath);
    void clear() { entries_ = {}; }

  private:
    std::array<std::string, kEntries> entries_;
};

// The lines of a history file, decoded and trimmed, in their order (empty ones too); a line
// ends at CR LF, CR or LF.
std::vector<std::string> historyLines(std::string_view bytes);
// The bytes of a history file listing these paths, one per line.
std::string historyBytes(const std::vector<std::string>& paths);

}  // namespace memvalo
