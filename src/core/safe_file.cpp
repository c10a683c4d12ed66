#include "core/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "core/paths.h"

namespace memvalo {

namespace {

constexpr int kMaxLinkHops = 40;

template <class Bytes>
std::error_code readOpenFile(int fd, Bytes& bytes, std::size_t maxBytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return lastError();
    if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        return std::make_error_code(std::errc::file_too_large);
    }
    // One byte more than the size shows a file that grew while it was read. A read that
    // brings exactly the known size and stops short of that byte has reached the end: a whole
    // file is one read.
    const auto known = static_cast<std::size_t>(info.st_size);
    bytes.resize(known + 1);
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > maxBytes) return std::make_error_code(std::errc::file_too_large);
            bytes.resize(std::min(maxBytes + 1, 2 * size + 4096));
        }
        const std::size_t asked = bytes.size() - size;
        const ssize_t n = ::read(fd, bytes.data() + size, asked);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return lastError();
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
        if (static_cast<std::size_t>(n) < asked && size == known) break;
    }
    bytes.resize(size);
    return {};
}

template <class Bytes>
std::error_code readWhole(const std::string& path, Bytes& bytes, std::size_t maxBytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return lastError();
    const std::error_code ec = readOpenFile(fd, bytes, maxBytes);
    ::close(fd);
    if (ec) Bytes().swap(bytes);
    return ec;
}

}  // namespace

std::string uniqueToken() {
    static const unsigned salt = std::random_device{}();
    static std::atomic<unsigned> count{0};
    char text[64];
    std::snprintf(text, sizeof text, "%ld-%u-%08x", static_cast<long>(::getpid()), ++count, salt);
    return text;
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

std::error_code syncFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError();
    std::error_code ec;
    if (::fsync(fd) != 0) ec = lastError();
    ::close(fd);
    return ec;
}

WrittenFile::~WrittenFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::error_code WrittenFile::write(const std::string& path, std::string_view bytes,
                                   const std::string& permissionsOf) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) return lastError();
    struct stat old {};
    if (::stat(permissionsOf.c_str(), &old) == 0 && ::fchmod(fd_, old.st_mode & 07777) != 0) {
        return lastError();
    }
    if (auto ec = writeAll(fd_, bytes)) return ec;
#ifdef SYNC_FILE_RANGE_WRITE
    // Starts the writing to disk now, so that when a save flushes its files one after the
    // other, the first flush finds all of them on their way and commits them together.
    ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    return {};
}

std::error_code WrittenFile::append(const std::string& path, std::uint64_t keep,
                                    std::string_view bytes) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return lastError();
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return lastError();
    const auto size = static_cast<std::uint64_t>(info.st_size);
    const auto at = static_cast<off_t>(std::min(size, keep));
    if (size > keep && ::ftruncate(fd_, at) != 0) return lastError();
    if (::lseek(fd_, at, SEEK_SET) < 0) return lastError();
    return writeAll(fd_, bytes);
}

std::error_code WrittenFile::sync() {
    std::error_code ec;
    if (::fsync(fd_) != 0) ec = lastError();
    if (::close(std::exchange(fd_, -1)) != 0 && !ec) ec = lastError();
    return ec;
}

std::error_code writeSynced(const std::string& path, std::string_view bytes,
                            const std::string& permissionsOf,
                            const std::function<std::error_code()>& beforeSync) {
    WrittenFile file;
    std::error_code ec = file.write(path, bytes, permissionsOf);
    if (!ec && beforeSync) ec = beforeSync();
    return ec ? ec : file.sync();
}

std::string linkTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(current, ec)) return current;
        const std::filesystem::path to = std::filesystem::read_symlink(current, ec);
        if (ec) return current;
        current = to.is_absolute() ? to.string() : GetPathOrFileName(current, true) + to.string();
    }
    return current;
}

std::error_code writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = linkTarget(path);
    const std::string temp = target + "." + uniqueToken() + ".tmp~";
    std::error_code ec = writeSynced(temp, bytes, target);
    if (!ec && std::rename(temp.c_str(), target.c_str()) != 0) ec = lastError();
    if (ec) {
        std::remove(temp.c_str());
        return ec;
    }
    return syncFolder(GetPathOrFileName(target, true));
}

std::error_code readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    return readWhole(path, bytes, maxBytes);
}

std::error_code readWholeFile(const std::string& path, FileBytes& bytes, std::size_t maxBytes) {
    return readWhole(path, bytes, maxBytes);
}

std::string cannotWriteText(const FileError& error) {
    const std::string reason = " (" + fileErrorReason(error.code) + ").";
    if (error.path.ends_with('/')) {
        return "Die Änderungen im Ordner " + error.path +
               " können nicht auf den Datenträger geschrieben werden" + reason;
    }
    return "Die Datei " + error.path + " kann nicht geschrieben werden" + reason;
}

std::string fileErrorReason(std::error_code ec) {
    // Conflicts between programs word themselves; system errors are worded here.
    if (ec.category() != std::generic_category() && ec.category() != std::system_category()) {
        return ec.message();
    }
    switch (ec.value()) {
        case ENOENT:
            return "nicht vorhanden";
        case ENOTDIR:
            return "ein Teil des Pfades ist kein Ordner";
        case EACCES:
        case EPERM:
            return "keine Berechtigung";
        case EISDIR:
            return "dort steht ein Ordner";
        case EEXIST:
            return "eine Datei dieses Namens ist schon vorhanden";
        case EINVAL:
            return "keine gewöhnliche Datei";
        case ENOSPC:
        case EDQUOT:
            return "kein Speicherplatz mehr";
        case EROFS:
            return "der Datenträger ist schreibgeschützt";
        case EIO:
            return "Ein-/Ausgabefehler des Datenträgers";
        case EFBIG:
            return "die Datei ist zu groß";
        case ELOOP:
            return "zu viele symbolische Verknüpfungen";
        case ENAMETOOLONG:
            return "der Name ist zu lang";
        case EMFILE:
        case ENFILE:
            return "zu viele offene Dateien";
        case EBUSY:
        case ETXTBSY:
            return "die Datei wird gerade benutzt";
        default:
            return "Systemfehler " + std::to_string(ec.value());
    }
}

}  // namespace memvalo
