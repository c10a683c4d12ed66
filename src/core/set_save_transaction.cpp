#include "core/set_save_transaction.h"

#include <charconv>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <optional>
#include <set>
#include <utility>

#include "core/learning_history.h"
#include "core/paths.h"
#include "core/set_files.h"
#include "core/set_lock.h"

namespace memvalo {

namespace {

constexpr std::string_view kMarkerHeader = "memvalo save 2";
// A marker that also names lines to append; older versions take it for one of their first.
constexpr std::string_view kAppendingHeader = "memvalo save 3";
constexpr std::string_view kAppendLine = "verlauf";
constexpr std::string_view kMarkerEnd = "ende";
constexpr std::string_view kTempSuffix = ".new~";

class Steps {
  public:
    explicit Steps(const SaveStepHook& hook) : hook_(hook) {}
    std::error_code before(SaveStep step, const std::string& path) const {
        return hook_ ? hook_(step, path) : std::error_code{};
    }

  private:
    const SaveStepHook& hook_;
};

// A file of the set and the temporary file that replaces it.
using Renames = std::vector<std::pair<std::string, std::string>>;

// What a marker vouches for.
struct Commit {
    Renames renames;
    std::optional<AppendedBytes> appended;
};

struct SetCommit {
    std::string basePath;
    Commit commit;
};

// The file each extension finally names, links followed, in the order of kSetExtensions.
std::vector<std::string> targetsOf(const std::string& basePath) {
    std::vector<std::string> targets;
    for (std::string_view extension : kSetExtensions) {
        targets.push_back(linkTarget(basePath + std::string(extension)));
    }
    return targets;
}

// The folder of the marker and every folder a file of the set lies in.
std::set<std::string> foldersOf(const std::string& basePath) {
    std::set<std::string> folders{GetPathOrFileName(basePath, true)};
    for (const std::string& target : targetsOf(basePath)) {
        folders.insert(GetPathOrFileName(target, true));
    }
    return folders;
}

std::set<std::string> foldersOf(const std::vector<std::string>& basePaths) {
    std::set<std::string> folders;
    for (const std::string& basePath : basePaths) folders.merge(foldersOf(basePath));
    return folders;
}

FileError syncFolders(const Steps& steps, const std::set<std::string>& folders) {
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

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return lines;
}

std::string markerText(const Renames& renames, const AppendedBytes* appended) {
    std::string text = std::string(appended ? kAppendingHeader : kMarkerHeader) + "\r\n";
    for (const auto& [target, temp] : renames) text += target + "\r\n" + temp + "\r\n";
    if (appended) {
        text += std::string(kAppendLine) + "\r\n" + appended->path + "\r\n" +
                std::to_string(appended->keep) + "\r\n" + appended->bytes;
    }
    return text + std::string(kMarkerEnd) + "\r\n";
}

// The lines to append as a marker names them after its renames: "verlauf", the file, the length
// to keep, the lines (each ending in CR LF, none of them "ende").
std::optional<Commit> appendingCommitOf(std::string_view marker) {
    const std::string end = "\r\n" + std::string(kMarkerEnd) + "\r\n";
    const std::string intro = "\r\n" + std::string(kAppendLine) + "\r\n";
    const std::size_t at = marker.find(intro);
    if (!marker.ends_with(end) || at == std::string_view::npos) return std::nullopt;
    const std::vector<std::string_view> head = linesOf(marker.substr(0, at + 2));
    const std::vector<std::string_view> tail = linesOf(marker.substr(at + intro.size()));
    if (head.size() % 2 != 1 || tail.size() < 3) return std::nullopt;
    Commit commit;
    for (std::size_t i = 1; i + 1 < head.size(); i += 2) {
        commit.renames.emplace_back(std::string(head[i]), std::string(head[i + 1]));
    }
    std::uint64_t keep = 0;
    const auto [last, ec] = std::from_chars(tail[1].data(), tail[1].data() + tail[1].size(), keep);
    if (ec != std::errc() || last != tail[1].data() + tail[1].size()) return std::nullopt;
    const std::size_t bytesAt = at + intro.size() + tail[0].size() + tail[1].size() + 4;
    const std::size_t length = marker.size() - bytesAt - (end.size() - 2);
    commit.appended =
        AppendedBytes{std::string(tail[0]), keep, std::string(marker.substr(bytesAt, length))};
    return commit;
}

// The renames a marker vouches for. A marker cut short by a crash vouches for none: it was
// not yet on disk, so no rename has followed it. A marker of an older version names only the
// targets; their temporary files had fixed names then.
Commit commitOf(const std::string& basePath, std::string_view marker) {
    if (marker.starts_with(std::string(kAppendingHeader) + "\r\n")) {
        return appendingCommitOf(marker).value_or(Commit{});
    }
    const std::vector<std::string_view> lines = linesOf(marker);
    Renames renames;
    if (!lines.empty() && lines.front() == kMarkerHeader) {
        if (lines.size() % 2 != 0 || lines.back() != kMarkerEnd) return {};
        for (std::size_t i = 1; i + 1 < lines.size(); i += 2) {
            renames.emplace_back(std::string(lines[i]), std::string(lines[i + 1]));
        }
        return {renames, std::nullopt};
    }
    for (const std::string& target : targetsOf(basePath)) {
        renames.emplace_back(target, target + std::string(kTempSuffix));
    }
    return {renames, std::nullopt};
}

// Renames every temporary file that is still there and appends the lines, then retires the
// markers. The lines are written before the renames and flushed after them: that one flush
// carries the renames to disk too, so the folders' flush finds little left. A file shorter
// than what it held before the save was changed by hand since; the lines then go at its end.
// Several sets share each flush of their folders.
FileError rollForward(const Steps& steps, const std::vector<SetCommit>& commits) {
    std::vector<WrittenFile> histories(commits.size());
    for (std::size_t i = 0; i < commits.size(); ++i) {
        const auto& appended = commits[i].commit.appended;
        if (!appended) continue;
        if (auto ec = steps.before(SaveStep::Append, appended->path)) return {ec, appended->path};
        if (auto ec = histories[i].append(appended->path, appended->keep, appended->bytes)) {
            return {ec, appended->path};
        }
    }
    std::vector<std::string> basePaths;
    for (const auto& [basePath, commit] : commits) {
        basePaths.push_back(basePath);
        for (const auto& [target, temp] : commit.renames) {
            if (!exists(temp)) continue;
            if (auto ec = steps.before(SaveStep::Rename, target)) return {ec, target};
            if (std::rename(temp.c_str(), target.c_str()) != 0) return {lastError(), target};
        }
    }
    for (std::size_t i = 0; i < commits.size(); ++i) {
        const auto& appended = commits[i].commit.appended;
        if (!appended) continue;
        if (auto ec = histories[i].sync()) return {ec, appended->path};
    }
    const std::set<std::string> folders = foldersOf(basePaths);
    if (auto e = syncFolders(steps, folders)) return e;
    for (const std::string& basePath : basePaths) {
        const std::string marker = commitMarkerOf(basePath);
        if (auto ec = steps.before(SaveStep::RemoveMarker, marker)) return {ec, marker};
        if (std::remove(marker.c_str()) != 0) return {lastError(), marker};
    }
    return syncFolders(steps, folders);
}

// Under the lock every temporary file of the set is a dead writer's: "<file>.<token>.new~",
// or "<file>.new~" from an older version.
void removeTemporaries(const std::string& basePath) {
    std::set<std::string> prefixes;
    for (const std::string& target : targetsOf(basePath)) {
        prefixes.insert(GetPathOrFileName(target, false) + ".");
    }
    prefixes.insert(GetPathOrFileName(basePath, false) + std::string(kHistoryExtension) + ".");
    for (const std::string& folder : foldersOf(basePath)) {
        std::error_code ec;
        for (const auto& entry :
             std::filesystem::directory_iterator(folder.empty() ? std::string(".") : folder, ec)) {
            const std::string name = entry.path().filename().string();
            if (!name.ends_with(kTempSuffix)) continue;
            for (const std::string& prefix : prefixes) {
                if (name.starts_with(prefix)) std::remove((folder + name).c_str());
            }
        }
    }
}

void removeOwn(const Renames& renames) {
    for (const auto& [target, temp] : renames) std::remove(temp.c_str());
}

// A set within a save, with this save's temporary files.
struct PendingSet {
    const std::string& basePath;
    const std::vector<SetFileContent>& files;
    Renames renames;
    std::vector<WrittenFile> written;
};

// Takes this save's temporary files away again when it stops before it counts.
FileError undo(const std::vector<PendingSet>& sets, FileError error) {
    for (const PendingSet& set : sets) {
        std::remove(commitMarkerOf(set.basePath).c_str());
        removeOwn(set.renames);
    }
    return error;
}

FileError writeTemporaries(const Steps& steps, PendingSet& set, const std::string& token) {
    set.written.reserve(set.files.size());
    for (const SetFileContent& file : set.files) {
        const std::string target = linkTarget(set.basePath + std::string(file.extension));
        set.renames.emplace_back(target, target + "." + token + std::string(kTempSuffix));
        const std::string& temp = set.renames.back().second;
        std::error_code ec = steps.before(SaveStep::Write, temp);
        if (!ec) ec = set.written.emplace_back().write(temp, file.bytes, target);
        if (ec) return {ec, target};
    }
    return {};
}

FileError syncTemporaries(const Steps& steps, PendingSet& set) {
    for (std::size_t i = 0; i < set.written.size(); ++i) {
        std::error_code ec = steps.before(SaveStep::Sync, set.renames[i].second);
        if (!ec) ec = set.written[i].sync();
        if (ec) return {ec, set.renames[i].first};
    }
    return {};
}

// Written all before any is flushed, so the first flush commits them all.
FileError writeMarkers(const Steps& steps, const std::vector<PendingSet>& sets,
                       const AppendedBytes* appended) {
    std::vector<WrittenFile> markers;
    markers.reserve(sets.size());
    for (const PendingSet& set : sets) {
        const std::string marker = commitMarkerOf(set.basePath);
        std::error_code ec = steps.before(SaveStep::WriteMarker, marker);
        if (!ec) ec = markers.emplace_back().write(marker, markerText(set.renames, appended), {});
        if (ec) return {ec, marker};
    }
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const std::string marker = commitMarkerOf(sets[i].basePath);
        std::error_code ec = steps.before(SaveStep::SyncMarker, marker);
        if (!ec) ec = markers[i].sync();
        if (ec) return {ec, marker};
    }
    return {};
}

DiskStamp stampOfWritten(const std::string& basePath, const std::vector<SetFileContent>& files) {
    DiskStamp stamp{basePath, {}};
    for (std::size_t i = 0; i < kSetExtensions.size(); ++i) {
        for (const SetFileContent& file : files) {
            if (file.extension != kSetExtensions[i]) continue;
            stamp.files[i] = stampFile(basePath + std::string(file.extension), file.bytes);
        }
    }
    return stamp;
}

// Every step is taken for all sets before the next one, so that they share the flushes.
FileError saveLocked(std::vector<PendingSet>& sets, const SaveStepHook& hook,
                     const SaveChecks& checks) {
    for (const PendingSet& set : sets) {
        if (auto e = recoverLockedSetFiles(set.basePath, hook)) return e;
    }
    const bool sameSet = checks.expected && checks.expected->basePath == sets.front().basePath;
    if (sameSet && !unchangedOnDisk(*checks.expected)) {
        return {make_error_code(SetConflict::ChangedOnDisk), sets.front().basePath + ".ldt"};
    }
    const Steps steps(hook);
    const std::string token = uniqueToken();
    for (PendingSet& set : sets) {
        if (auto e = writeTemporaries(steps, set, token)) return undo(sets, e);
    }
    // Flushed only once all are written: the first flush commits them all at once.
    for (PendingSet& set : sets) {
        if (auto e = syncTemporaries(steps, set)) return undo(sets, e);
    }
    std::vector<std::string> basePaths;
    for (const PendingSet& set : sets) basePaths.push_back(set.basePath);
    const std::set<std::string> folders = foldersOf(basePaths);
    // The temporary files must be on disk under their names before a marker vouches for them.
    if (auto e = syncFolders(steps, folders)) return undo(sets, e);
    if (auto e = writeMarkers(steps, sets, checks.appended)) return undo(sets, e);
    if (auto e = syncFolders(steps, folders)) return undo(sets, e);
    std::vector<SetCommit> commits;
    for (const PendingSet& set : sets) {
        commits.push_back({set.basePath, {set.renames, std::nullopt}});
        if (checks.appended) commits.back().commit.appended = *checks.appended;
    }
    if (auto e = rollForward(steps, commits)) return e;
    if (checks.written) *checks.written = stampOfWritten(sets.front().basePath, sets.front().files);
    return {};
}

// Takes the write lock of every set; a missing folder is the set's own fault, told for the
// first file it cannot write.
FileError lockAll(std::deque<SetWriteLock>& locks, const std::vector<PendingSet>& sets) {
    for (const PendingSet& set : sets) {
        FileError e = locks.emplace_back().acquire(set.basePath);
        if (!e) continue;
        const bool noFolder =
            e.code == std::errc::no_such_file_or_directory || e.code == std::errc::not_a_directory;
        if (noFolder && !set.files.empty()) {
            e.path = set.basePath + std::string(set.files.front().extension);
        }
        return e;
    }
    return {};
}

FileError saveAll(std::vector<PendingSet>& sets, const SaveStepHook& hook,
                  const SaveChecks& checks) {
    std::deque<SetWriteLock> locks;
    if (FileError e = lockAll(locks, sets)) return e;
    return saveLocked(sets, hook, checks);
}

}  // namespace

std::string commitMarkerOf(const std::string& basePath) {
    return basePath + ".commit~";
}

FileError saveSetFiles(const std::string& basePath, const std::vector<SetFileContent>& files,
                       const SaveStepHook& hook, const SaveChecks& checks) {
    std::vector<PendingSet> sets;
    sets.push_back({basePath, files, {}, {}});
    return saveAll(sets, hook, checks);
}

FileError saveSetsTogether(const std::vector<SetSave>& saves, const SaveStepHook& hook) {
    std::vector<PendingSet> sets;
    sets.reserve(saves.size());
    for (const SetSave& save : saves) sets.push_back({save.basePath, save.files, {}, {}});
    return saveAll(sets, hook, {});
}

std::string unfinishedSaveText(const std::string& setPath, const FileError& error) {
    if (const std::string text = setConflictText(setPath, error.code); !text.empty()) {
        return text;
    }
    return "Ein unterbrochenes Speichern von " + setPath +
           " kann nicht abgeschlossen werden: Die Datei " + error.path +
           " lässt sich nicht ersetzen (" + fileErrorReason(error.code) + ").";
}

FileError recoverSetFiles(const std::string& basePath, const SaveStepHook& hook) {
    SetWriteLock lock;
    if (auto e = lock.acquire(basePath)) return e;
    return recoverLockedSetFiles(basePath, hook);
}

FileError recoverLockedSetFiles(const std::string& basePath, const SaveStepHook& hook) {
    const std::string marker = commitMarkerOf(basePath);
    if (exists(marker)) {
        std::string text;
        if (const std::error_code ec = readWholeFile(marker, text, kMaxLineFileBytes)) {
            return {ec, marker};
        }
        if (auto e = rollForward(Steps(hook), {{basePath, commitOf(basePath, text)}})) return e;
    }
    removeTemporaries(basePath);
    return {};
}

}  // namespace memvalo
