#include "core/disk_stamp.h"

#include <sys/stat.h>

#include <functional>

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

FileStamp stampFromDisk(const std::string& path) {
    std::string bytes;
    readWholeFile(path, bytes);
    return stampFile(path, bytes);
}

}  // namespace

FileStamp withHash(FileStamp stat, std::string_view bytes) {
    if (stat.exists) stat.hash = std::hash<std::string_view>{}(bytes);
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
