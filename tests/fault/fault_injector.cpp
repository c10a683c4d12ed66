// Loaded with LD_PRELOAD into memvalo-cli: makes one chosen system call on the files of one
// folder fail, so a test can break every single step of a load and a save.
//   MEMVALO_FAULT_DIR    only calls on paths below this folder count
//   MEMVALO_FAULT_OP     open, read, write, shortwrite, fsync or rename
//   MEMVALO_FAULT_AT     the number of the call that fails (1 = the first); 0 fails none
//   MEMVALO_FAULT_COUNT  a file that receives, at exit, how many such calls there were
//   MEMVALO_FAULT_STOP   when set, the chosen call does not fail: the process stops itself
//                        (SIGSTOP) right before it, so a test can kill it there
// A short write writes half of what was asked, and the next write to that file finds the disk
// full.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxFd = 4096;

bool tracked[kMaxFd];
bool failNextWrite[kMaxFd];
long calls = 0;

const char* env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool below(const char* path) {
    const char* dir = env("MEMVALO_FAULT_DIR");
    return path && *dir && std::strncmp(path, dir, std::strlen(dir)) == 0;
}

// Counts a call of `op`; true when this is the one that fails.
bool strikes(const char* op) {
    const char* chosen = env("MEMVALO_FAULT_OP");
    const bool sameOp = std::strcmp(chosen, op) == 0 ||
                        (std::strcmp(chosen, "shortwrite") == 0 && std::strcmp(op, "write") == 0);
    if (!sameOp) return false;
    ++calls;
    if (calls != std::atol(env("MEMVALO_FAULT_AT"))) return false;
    if (!*env("MEMVALO_FAULT_STOP")) return true;
    std::raise(SIGSTOP);
    return false;
}

bool trackedFd(int fd) {
    return fd >= 0 && fd < kMaxFd && tracked[fd];
}

template <typename F>
F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int track(int fd, const char* path) {
    if (fd >= 0 && fd < kMaxFd) {
        tracked[fd] = below(path);
        failNextWrite[fd] = false;
    }
    return fd;
}

int failWith(int error) {
    errno = error;
    return -1;
}

using OpenFn = int (*)(const char*, int, ...);

int openVia(const char* name, const char* path, int flags, mode_t mode) {
    if (below(path) && strikes("open")) return failWith(EACCES);
    return track(real<OpenFn>(name)(path, flags, mode), path);
}

mode_t modeOf(int flags, va_list args) {
    return (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

struct CountOnExit {
    ~CountOnExit() {
        const char* file = env("MEMVALO_FAULT_COUNT");
        if (!*file) return;
        if (FILE* out = std::fopen(file, "w")) {
            std::fprintf(out, "%ld\n", calls);
            std::fclose(out);
        }
    }
} countOnExit;

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openVia("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openVia("open64", path, flags, mode);
}

int close(int fd) {
    if (fd >= 0 && fd < kMaxFd) tracked[fd] = false;
    return real<int (*)(int)>("close")(fd);
}

ssize_t read(int fd, void* buffer, size_t size) {
    if (trackedFd(fd) && strikes("read")) return failWith(EIO);
    return real<ssize_t (*)(int, void*, size_t)>("read")(fd, buffer, size);
}

ssize_t write(int fd, const void* buffer, size_t size) {
    const auto realWrite = real<ssize_t (*)(int, const void*, size_t)>("write");
    if (!trackedFd(fd)) return realWrite(fd, buffer, size);
    if (failNextWrite[fd]) return failWith(ENOSPC);
    if (!strikes("write")) return realWrite(fd, buffer, size);
    if (std::strcmp(env("MEMVALO_FAULT_OP"), "shortwrite") != 0 || size < 2) {
        return failWith(ENOSPC);
    }
    failNextWrite[fd] = true;
    return realWrite(fd, buffer, size / 2);
}

int fsync(int fd) {
    if (trackedFd(fd) && strikes("fsync")) return failWith(EIO);
    return real<int (*)(int)>("fsync")(fd);
}

int rename(const char* from, const char* to) {
    if ((below(from) || below(to)) && strikes("rename")) return failWith(EIO);
    return real<int (*)(const char*, const char*)>("rename")(from, to);
}

}  // extern "C"
