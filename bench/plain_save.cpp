// memvalo-plain-save BASE: the yardstick of "memvalo-cli resave", written as plainly as it
// gets: reads the six files of a set and puts the same bytes back with the steps any
// crash-safe save takes (temporary files, fsync, commit marker, renames, folder syncs).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kExtensions[] = {".cfg", ".ldt", ".k02", ".k03", ".k04", ".k05"};

bool readAll(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) return false;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    const bool read = ::read(fd, bytes.data(), bytes.size()) == info.st_size;
    ::close(fd);
    return read;
}

bool writeSynced(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

bool syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    return synced;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string base = argv[1];
    const auto slash = base.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : base.substr(0, slash + 1);
    std::vector<std::string> files(6);
    for (int i = 0; i < 6; ++i) {
        if (!readAll(base + kExtensions[i], files[i])) return 1;
    }
    for (int i = 0; i < 6; ++i) {
        if (!writeSynced(base + kExtensions[i] + ".new~", files[i])) return 1;
    }
    const std::string marker = base + ".commit~";
    if (!syncFolder(folder) || !writeSynced(marker, "save\r\n") || !syncFolder(folder)) return 1;
    for (const char* extension : kExtensions) {
        const std::string target = base + extension;
        if (std::rename((target + ".new~").c_str(), target.c_str()) != 0) return 1;
    }
    if (!syncFolder(folder) || std::remove(marker.c_str()) != 0 || !syncFolder(folder)) return 1;
    return 0;
}
