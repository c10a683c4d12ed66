#pragma once
// What the six files of a set were on disk when the program last read or wrote them, so a
// save can tell whether another program changed the set in between. Comparing costs one
// stat per file; a file is read and hashed again only when its stat differs (a sync tool may
// rewrite the same bytes).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace memvalo {

struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t inode = 0;
    std::size_t hash = 0;
};

struct DiskStamp {
    std::string basePath;            // empty: no set was read or written yet
    std::array<FileStamp, 6> files;  // in the order of kSetExtensions
};

// The stamp of the file at path, which holds `bytes` (a missing file holds none).
FileStamp stampFile(const std::string& path, std::string_view bytes);
// The same in two steps around reading the file: taken before, a file replaced while it is read
// shows as changed.
FileStamp statFile(const std::string& path);
FileStamp withHash(FileStamp stat, std::string_view bytes);
// The stamp of the set as it is on disk now, every file read.
DiskStamp stampSet(const std::string& basePath);
// True when every file holds what the stamp says.
bool unchangedOnDisk(const DiskStamp& stamp);

}  // namespace memvalo
