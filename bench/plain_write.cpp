// memvalo-plain-write SOURCE TARGET: the yardstick of "memvalo-cli export", written as plainly
// as it gets: reads SOURCE (an export made before) and puts the same bytes in place of TARGET
// with the steps any crash-safe write takes (temporary file, fsync, rename, folder sync).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string target = argv[2];
    const int in = ::open(argv[1], O_RDONLY);
    struct stat info {};
    if (in < 0 || ::fstat(in, &info) != 0) return 1;
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    const bool read = ::read(in, bytes.data(), bytes.size()) == info.st_size;
    ::close(in);
    const std::string temp = target + ".tmp~";
    const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!read || out < 0) return 1;
    const bool written =
        ::write(out, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(out) == 0;
    if (::close(out) != 0 || !written || std::rename(temp.c_str(), target.c_str()) != 0) return 1;
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    const bool synced = dir >= 0 && ::fsync(dir) == 0;
    if (dir >= 0) ::close(dir);
    return synced ? 0 : 1;
}
