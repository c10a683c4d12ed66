#include "core/safe_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/paths.h"

namespace memvalo {

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
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return lastError();
    std::error_code ec;
    if (::fsync(fd) != 0) ec = lastError();
    ::close(fd);
    return ec;
}

std::error_code writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".tmp~";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return lastError();
    std::error_code ec = writeAll(fd, bytes);
    if (!ec && ::fsync(fd) != 0) ec = lastError();
    if (::close(fd) != 0 && !ec) ec = lastError();
    if (!ec && std::rename(temp.c_str(), path.c_str()) != 0) ec = lastError();
    if (ec) {
        std::remove(temp.c_str());
        return ec;
    }
    syncFolder(GetPathOrFileName(path, true));
    return {};
}

std::error_code readWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::make_error_code(std::errc::no_such_file_or_directory);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return std::make_error_code(std::errc::io_error);
    return {};
}

}  // namespace memvalo
