#include "core/set_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <thread>

namespace memvalo {

namespace {

constexpr off_t kWriterByte = 0;
constexpr off_t kClaimByte = 1;
constexpr std::chrono::milliseconds kPollEvery{20};

class ConflictCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "memvalo-set"; }
    std::string message(int value) const override {
        return static_cast<SetConflict>(value) == SetConflict::Locked
                   ? "die Lerndatei wird gerade von einem anderen Programm gespeichert"
                   : "die Lerndatei wurde inzwischen von einem anderen Programm geändert";
    }
};

int openLockFile(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

int lockByte(int fd, int command, short type, off_t byte) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = byte;
    range.l_len = 1;
    return ::fcntl(fd, command, &range);
}

// The write locks this process holds, by lock file, with how often each was taken.
struct HeldLock {
    int fd;
    int count;
};
std::mutex heldMutex;
std::map<std::string, HeldLock> heldLocks;

}  // namespace

std::error_code make_error_code(SetConflict conflict) {
    static const ConflictCategory category;
    return {static_cast<int>(conflict), category};
}

std::string lockPathOf(const std::string& basePath) {
    return basePath + ".lck";
}

FileError SetWriteLock::acquire(const std::string& basePath, std::chrono::milliseconds wait) {
    const std::string path = lockPathOf(basePath);
    const std::lock_guard guard(heldMutex);
    if (auto it = heldLocks.find(path); it != heldLocks.end()) {
        ++it->second.count;
        lockPath_ = path;
        return {};
    }
    const int fd = openLockFile(path);
    if (fd < 0) return {lastError(), path};
    const auto giveUpAt = std::chrono::steady_clock::now() + wait;
    while (lockByte(fd, F_OFD_SETLK, F_WRLCK, kWriterByte) != 0) {
        const std::error_code ec = lastError();
        const bool busy = errno == EAGAIN || errno == EACCES;
        if (!busy || std::chrono::steady_clock::now() >= giveUpAt) {
            ::close(fd);
            return {busy ? make_error_code(SetConflict::Locked) : ec, path};
        }
        std::this_thread::sleep_for(kPollEvery);
    }
    heldLocks.emplace(path, HeldLock{fd, 1});
    lockPath_ = path;
    return {};
}

SetWriteLock::~SetWriteLock() {
    if (!held()) return;
    const std::lock_guard guard(heldMutex);
    const auto it = heldLocks.find(lockPath_);
    if (--it->second.count > 0) return;
    ::close(it->second.fd);
    heldLocks.erase(it);
}

bool SetClaim::othersClaim(const std::string& basePath) const {
    const std::string path = lockPathOf(basePath);
    const bool own = path == lockPath_;
    const int fd = own ? fd_ : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = kClaimByte;
    range.l_len = 1;
    const bool claimed = ::fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
    if (!own) ::close(fd);
    return claimed;
}

void SetClaim::claim(const std::string& basePath) {
    const std::string path = lockPathOf(basePath);
    if (path == lockPath_) return;
    release();
    const int fd = openLockFile(path);
    if (fd < 0) return;
    if (lockByte(fd, F_OFD_SETLK, F_RDLCK, kClaimByte) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    lockPath_ = path;
}

void SetClaim::release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    lockPath_.clear();
}

SetClaim::~SetClaim() {
    release();
}

std::string setConflictText(const std::string& setPath, std::error_code ec) {
    if (ec == SetConflict::Locked) {
        return "Die Lerndatei " + setPath +
               " wird gerade von einem anderen Programm gespeichert.\rEs wurde nichts "
               "gespeichert; bitte versuchen Sie es gleich noch einmal.";
    }
    if (ec == SetConflict::ChangedOnDisk) {
        return "Die Lerndatei " + setPath +
               " wurde von einem anderen Programm geändert, seit sie hier gelesen wurde.\rEs "
               "wurde nichts gespeichert, damit dessen Änderungen erhalten bleiben.";
    }
    return {};
}

}  // namespace memvalo
