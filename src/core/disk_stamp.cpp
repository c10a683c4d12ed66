#include "core/disk_stamp.h"

#include <sys/stat.h>

#include <array>
#include <bit>
#include <cstring>

#include "core/safe_file.h"
#include "core/set_files.h"

namespace memvalo {

FileStamp statFile(const std::string& path) {
    struct stat info {};
    FileStamp stamp;
    if (::stat(path.c_str(), &info) != 0) return stamp;
    stamp.exists = true;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modifiedNs = std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.inode = info.st_ino;
    return stamp;
}

namespace {

bool sameStat(const FileStamp& a, const FileStamp& b) {
    return a.exists == b.exists && a.size == b.size && a.modifiedNs == b.modifiedNs &&
           a.inode == b.inode;
}

// A hash of a file's bytes over four lanes of eight bytes each, so that the processor works
// on them side by side: it runs over every file a load reads and a save writes. Every step
// is invertible, so a file changed in one place always gets another hash.
std::size_t contentHash(std::string_view bytes) {
    constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15u;
    std::array<std::uint64_t, 4> lanes = {1, 2, 3, 4};
    std::size_t i = 0;
    for (; i + 32 <= bytes.size(); i += 32) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + i + 8 * lane, 8);
            lanes[lane] = (lanes[lane] ^ word) * kOdd;
        }
    }
    std::uint64_t hash = bytes.size();
    for (std::uint64_t lane : lanes) hash = (std::rotl(hash, 23) ^ lane) * kOdd;
    for (; i < bytes.size(); ++i) hash = (hash ^ static_cast<unsigned char>(bytes[i])) * kOdd;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

// Stat first: a file replaced while it is read then pairs the old stat with the new bytes and
// shows as changed, never as the file it was.
FileStamp stampFromDisk(const std::string& path) {
    const FileStamp stat = statFile(path);
    std::string bytes;
    readWholeFile(path, bytes);
    return withHash(stat, bytes);
}

}  // namespace

FileStamp withHash(FileStamp stat, std::string_view bytes) {
    if (stat.exists) stat.hash = contentHash(bytes);
    return stat;
}

FileStamp stampFile(const std::string& path, std::string_view bytes) {
    return withHash(statFile(path), bytes);
}

DiskStamp stampSet(const std::string& basePath) {
    DiskStamp stamp{basePath, {}};
    for (std::size_t i = 0; i < kSetExtensions.size(); ++i) {
        stamp.files[i] = stampFromDisk(basePath + std::string(kSetExtensions[i]));
    }
    return stamp;
}

bool unchangedOnDisk(const DiskStamp& stamp) {
    for (std::size_t i = 0; i < kSetExtensions.size(); ++i) {
        const std::string path = stamp.basePath + std::string(kSetExtensions[i]);
        const FileStamp& then = stamp.files[i];
        const FileStamp now = statFile(path);
        if (sameStat(now, then)) continue;
        if (now.exists != then.exists || now.size != then.size) return false;
        if (stampFromDisk(path).hash != then.hash) return false;
    }
    return true;
}

}  // namespace memvalo
