#include "core/set_save_transaction.h"

#include <cstdio>
#include <filesystem>
#include <set>

#include "core/paths.h"
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

// The file each extension finally names, links followed, in the order of kSetExtensions.
std::vector<std::string> targetsOf(const std::string& basePath) {
    std::vector<std::string> targets;
    for (std::string_view extension : kSetExtensions) {
        targets.push_back(linkTarget(basePath + std::string(extension)));
    }
    return targets;
}

FileError writeStep(const Steps& steps, SaveStep write, SaveStep sync, const std::string& path,
                    std::string_view bytes, const std::string& replaces) {
    if (auto ec = steps.before(write, path)) return {ec, path};
    return {writeSynced(path, bytes, replaces, [&] { return steps.before(sync, path); }), path};
}

// The folder of the marker and every folder a file of the set lies in.
FileError syncFolders(const Steps& steps, const std::string& basePath) {
    std::set<std::string> folders{GetPathOrFileName(basePath, true)};
    for (const std::string& target : targetsOf(basePath)) {
        folders.insert(GetPathOrFileName(target, true));
    }
    for (const std::string& folder : folders) {
        if (auto ec = steps.before(SaveStep::SyncFolder, folder)) return {ec, folder};
        if (auto ec = syncFolder(folder)) return {ec, folder};
    }
    return {};
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// Renames every temporary file that is still there, then retires the marker.
FileError rollForward(const Steps& steps, const std::string& basePath) {
    for (const std::string& target : targetsOf(basePath)) {
        const std::string temp = tempPathOf(target);
        if (!exists(temp)) continue;
        if (auto ec = steps.before(SaveStep::Rename, target)) return {ec, target};
        if (std::rename(temp.c_str(), target.c_str()) != 0) return {lastError(), target};
    }
    if (auto e = syncFolders(steps, basePath)) return e;
    const std::string marker = commitMarkerOf(basePath);
    if (auto ec = steps.before(SaveStep::RemoveMarker, marker)) return {ec, marker};
    if (std::remove(marker.c_str()) != 0) return {lastError(), marker};
    return syncFolders(steps, basePath);
}

void removeTemporaries(const std::string& basePath) {
    for (const std::string& target : targetsOf(basePath)) {
        std::remove(tempPathOf(target).c_str());
    }
}

// Takes the temporary files away again when the save stops before it counts.
FileError undo(const std::string& basePath, FileError error) {
    std::remove(commitMarkerOf(basePath).c_str());
    removeTemporaries(basePath);
    return error;
}

}  // namespace

std::string tempPathOf(const std::string& file) {
    return file + ".new~";
}

std::string commitMarkerOf(const std::string& basePath) {
    return basePath + ".commit~";
}

FileError saveSetFiles(const std::string& basePath, const std::vector<SetFileContent>& files,
                       const SaveStepHook& hook) {
    if (auto e = recoverSetFiles(basePath, hook)) return e;
    const Steps steps(hook);
    std::string markerText = "memvalo save\r\n";
    for (const SetFileContent& file : files) {
        const std::string target = linkTarget(basePath + std::string(file.extension));
        markerText += target + "\r\n";
        if (auto e = writeStep(steps, SaveStep::Write, SaveStep::Sync, tempPathOf(target),
                               file.bytes, target)) {
            return undo(basePath, {e.code, target});
        }
    }
    // The temporary files must be on disk under their names before the marker vouches for them.
    if (auto e = syncFolders(steps, basePath)) return undo(basePath, e);
    const std::string marker = commitMarkerOf(basePath);
    if (auto e =
            writeStep(steps, SaveStep::WriteMarker, SaveStep::SyncMarker, marker, markerText, {})) {
        return undo(basePath, e);
    }
    if (auto e = syncFolders(steps, basePath)) return undo(basePath, e);
    return rollForward(steps, basePath);
}

std::string unfinishedSaveText(const std::string& setPath, const FileError& error) {
    return "Ein unterbrochenes Speichern von " + setPath +
           " kann nicht abgeschlossen werden: Die Datei " + error.path +
           " lässt sich nicht ersetzen (" + fileErrorReason(error.code) + ").";
}

FileError recoverSetFiles(const std::string& basePath, const SaveStepHook& hook) {
    if (exists(commitMarkerOf(basePath))) return rollForward(Steps(hook), basePath);
    removeTemporaries(basePath);
    return {};
}

}  // namespace memvalo
