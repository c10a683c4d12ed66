#pragma once
// The lock file beside a learning set ("<base>.lck", empty): byte 0 is held exclusively by the
// one program that writes the set (or reads it, so it never reads half a save), byte 1 is held
// shared by every window that has the set open. Both are open-file-description locks: the
// kernel lets them go when the process ends, so a crash never leaves the set locked.
#include <chrono>
#include <string>
#include <system_error>

#include "core/safe_file.h"

namespace memvalo {

// Why a set cannot be written although its files are fine.
enum class SetConflict { Locked = 1, ChangedOnDisk };
std::error_code make_error_code(SetConflict conflict);

// How long a writer waits for another one to finish before it gives up.
inline constexpr std::chrono::milliseconds kSetLockWait{2500};

std::string lockPathOf(const std::string& basePath);

// The exclusive lock of one set. Taking it again in the same process only counts up, so a
// load that converts an older set may save it while it holds the lock.
class SetWriteLock {
  public:
    SetWriteLock() = default;
    SetWriteLock(const SetWriteLock&) = delete;
    SetWriteLock& operator=(const SetWriteLock&) = delete;
    ~SetWriteLock();

    // Waits up to `wait`; SetConflict::Locked when another program still holds the lock, or
    // the error of the lock file that cannot be opened.
    FileError acquire(const std::string& basePath, std::chrono::milliseconds wait = kSetLockWait);
    bool held() const { return !lockPath_.empty(); }

  private:
    std::string lockPath_;
};

// The claim of the window on the set it has open.
class SetClaim {
  public:
    SetClaim() = default;
    SetClaim(const SetClaim&) = delete;
    SetClaim& operator=(const SetClaim&) = delete;
    ~SetClaim();

    // Whether another program claims the set (this claim does not count).
    bool othersClaim(const std::string& basePath) const;
    // Moves the claim to the set; a set whose lock file cannot be made stays unclaimed.
    void claim(const std::string& basePath);
    void release();

  private:
    std::string lockPath_;
    int fd_ = -1;
};

// The message for a write refused by a conflict, empty for any other error.
std::string setConflictText(const std::string& setPath, std::error_code ec);

}  // namespace memvalo

template <>
struct std::is_error_code_enum<memvalo::SetConflict> : std::true_type {};
