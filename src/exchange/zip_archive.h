#pragma once
// Reading the entries of a zip archive held in memory, refusing what a hostile archive may
// hold: entries that leave the folder they are unpacked into, and entries or sums of entries
// that expand beyond the limit.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace memvalo {

class ZipArchive {
  public:
    // Throws ImportRefusal when the bytes are no zip archive or it is damaged.
    ZipArchive(std::string bytes, std::uint64_t limit);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    const std::vector<std::string>& names() const { return names_; }
    bool has(const std::string& name) const;
    // The entry's bytes; nothing when there is no such entry. Throws ImportRefusal when it is
    // damaged or expands beyond what the limit leaves of it.
    std::optional<std::string> read(const std::string& name) const;

  private:
    struct Handle;
    std::string bytes_;
    std::unique_ptr<Handle> handle_;
    std::vector<std::string> names_;
    mutable std::uint64_t left_;
};

// True when a name unpacked into a folder would land outside it: an absolute path, a drive, a
// ".." step.
bool leavesFolder(std::string_view name);

}  // namespace memvalo
