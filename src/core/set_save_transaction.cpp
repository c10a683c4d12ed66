#include "core/set_save_transaction.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "core/paths.h"
#include "core/safe_file.h"
#include "core/set_files.h"

namespace memvalo {

namespace {

class Steps {
  public:
    explicit Steps(const SaveStepHook& hook) : hook_(hook) {}
    std::error_code before(SaveStep step, const std::string& path) const {
        return hook_ ? hook_(step, path) : std::error_code{};
    }

  private:
    const SaveStepHook& hook_;
};

// Writes and fsyncs one file; the two steps are announced to the hook separately. A file that
// replaces another takes over its permissions, so a private set stays private.
std::error_code writeSynced(const Steps& steps, SaveStep write, SaveStep sync,
                            const std::string& path, std::string_view bytes,
                            const std::string& replaces = {}) {
    if (auto ec = steps.before(write, path)) return ec;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return lastError();
    struct stat old {};
    std::error_code ec;
    if (!replaces.empty() && ::stat(replaces.c_str(), &old) == 0 &&
        ::fchmod(fd, old.st_mode & 07777) != 0) {
        ec = lastError();
    }
    if (!ec) ec = writeAll(fd, bytes);
    if (!ec) ec = steps.before(sync, path);
    if (!ec && ::fsync(fd) != 0) ec = lastError();
    if (::close(fd) != 0 && !ec) ec = lastError();
    return ec;
}

std::error_code syncFolderOf(const Steps& steps, const std::string& basePath) {
    const std::string folder = GetPathOrFileName(basePath, true);
    if (auto ec = steps.before(SaveStep::SyncFolder, folder)) return ec;
    return syncFolder(folder);
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// Renames every temporary file that is still there, then retires the marker.
std::error_code rollForward(const Steps& steps, const std::string& basePath) {
    for (std::string_view extension : kSetExtensions) {
        const std::string target = basePath + std::string(extension);
        const std::string temp = tempPathOf(target);
        if (!exists(temp)) continue;
        if (auto ec = steps.before(SaveStep::Rename, target)) return ec;
        if (std::rename(temp.c_str(), target.c_str()) != 0) return lastError();
    }
    if (auto ec = syncFolderOf(steps, basePath)) return ec;
    const std::string marker = commitMarkerOf(basePath);
    if (auto ec = steps.before(SaveStep::RemoveMarker, marker)) return ec;
    if (std::remove(marker.c_str()) != 0) return lastError();
    return syncFolderOf(steps, basePath);
}

void removeTemporaries(const std::string& basePath) {
    for (std::string_view extension : kSetExtensions) {
        std::remove(tempPathOf(basePath + std::string(extension)).c_str());
    }
}

}  // namespace

std::string tempPathOf(const std::string& file) {
    return file + ".new~";
}

std::string commitMarkerOf(const std::string& basePath) {
    return basePath + ".commit~";
}

std::error_code saveSetFiles(const std::string& basePath, const std::vector<SetFileContent>& files,
                             const SaveStepHook& hook) {
    if (auto ec = recoverSetFiles(basePath, hook)) return ec;
    const Steps steps(hook);
    std::string markerText = "memvalo save\r\n";
    for (const SetFileContent& file : files) {
        const std::string target = basePath + std::string(file.extension);
        markerText += GetPathOrFileName(target, false) + "\r\n";
        if (auto ec = writeSynced(steps, SaveStep::Write, SaveStep::Sync, tempPathOf(target),
                                  file.bytes, target)) {
            removeTemporaries(basePath);
            return ec;
        }
    }
    // The temporary files must be on disk under their names before the marker vouches for them.
    if (auto ec = syncFolderOf(steps, basePath)) {
        removeTemporaries(basePath);
        return ec;
    }
    if (auto ec = writeSynced(steps, SaveStep::WriteMarker, SaveStep::SyncMarker,
                              commitMarkerOf(basePath), markerText)) {
        std::remove(commitMarkerOf(basePath).c_str());
        removeTemporaries(basePath);
        return ec;
    }
    if (auto ec = syncFolderOf(steps, basePath)) {
        std::remove(commitMarkerOf(basePath).c_str());
        removeTemporaries(basePath);
        return ec;
    }
    return rollForward(steps, basePath);
}

std::error_code recoverSetFiles(const std::string& basePath, const SaveStepHook& hook) {
    if (exists(commitMarkerOf(basePath))) return rollForward(Steps(hook), basePath);
    removeTemporaries(basePath);
    return {};
}

}  // namespace memvalo
