#pragma once
// The recently used learning sets: "dateiliste.lis" in the data folder, one full path of a
// set per line, oldest first, at most eight.
#include <array>
#include <string>

namespace memvalo {

class FileHistory {
  public:
    static constexpr int kEntries = 8;

    // Entry 1..8; an empty entry means none.
    const std::string& entry(int index) const { return entries_.at(index - 1); }
    int count() const;
    bool contains(const std::string& path) const;

    // Reads the file; entries whose set no longer exists are dropped and the rest close up.
    void load(const std::string& historyFile);
    // Writes the entries up to the first empty one. False when the file could not be written.
    bool save(const std::string& historyFile) const;
    // A new set goes to the end; when all eight places are taken the oldest drops out. A set
    // already listed keeps its place.
    void add(const std::string& setPath);
    void clear() { entries_ = {}; }

  private:
    std::array<std::string, kEntries> entries_;
};

}  // namespace memvalo
