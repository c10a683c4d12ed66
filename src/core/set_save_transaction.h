#pragma once
// Saving the six files of a learning set so that a crash at any moment leaves either the
// whole old set or the whole new set on disk, never a mix, and two programs saving the same
// set one after the other, never into each other:
//   0. the set's write lock is taken (core/set_lock.h), and the remains of a writer that
//      crashed are dealt with as below;
//   1. every file goes to a temporary file beside it whose name carries this save's own token
//      ("<file>.<token>.new~"), written and fsynced;
//   2. the commit marker "<base>.commit~" is written and fsynced, naming each temporary file
//      and the file it replaces and ending in a closing line: from here the save counts;
//   3. the temporary files are renamed over the set's files and the folders are synced;
//   4. the marker is removed and the folder synced again.
// Recovery runs only under the write lock, so whatever it finds was left by a writer that
// died: with a whole marker the renames it names are completed (rolled forward); without one
// (or with a marker cut short, which no rename can have followed) the temporary files are
// removed.
// A file of the set that is a symbolic link stays one: the file it points to is replaced, and
// its temporary file lies beside that file, so the rename stays within one folder.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/disk_stamp.h"
#include "core/safe_file.h"

namespace memvalo {

enum class SaveStep {
    Write,
    Sync,
    WriteMarker,
    SyncMarker,
    Rename,
    SyncFolder,
    RemoveMarker,
    Append
};

// Runs before every step with the path it touches; a returned error makes that step fail.
// Tests use it to fail, or stop dead at, any single step.
using SaveStepHook = std::function<std::error_code(SaveStep, const std::string& path)>;

struct SetFileContent {
    std::string_view extension;  // ".cfg", ".ldt", ...
    std::string bytes;
};

// What a save checks and tells besides writing.
// Bytes added to a file within the same commit, after it is cut back to its first `keep`
// bytes: doing it again after a crash gives the same file.
struct AppendedBytes {
    std::string path;
    std::uint64_t keep = 0;
    std::string bytes;
};

struct SaveChecks {
    // When it stamps the same set, the save is refused (SetConflict::ChangedOnDisk) if another
    // program changed the set since.
    const DiskStamp* expected = nullptr;
    // Receives the stamp of the set just saved.
    DiskStamp* written = nullptr;
    // Appended once the files are in place.
    const AppendedBytes* appended = nullptr;
};

std::string commitMarkerOf(const std::string& basePath);

// Writes the files; on an error before the marker the old set is untouched and the temporary
// files are gone. An error after it leaves the marker, so the next writer completes the save.
// SetConflict::Locked when another program kept the set locked.
FileError saveSetFiles(const std::string& basePath, const std::vector<SetFileContent>& files,
                       const SaveStepHook& hook = {}, const SaveChecks& checks = {});

struct SetSave {
    std::string basePath;
    std::vector<SetFileContent> files;
};

// Saves several sets at once, each as saveSetFiles does, taking every step for all of them
// before the next so that they share their flushes. A crash leaves each set old or new on
// its own (or to be completed when next opened).
FileError saveSetsTogether(const std::vector<SetSave>& sets, const SaveStepHook& hook = {});

// Completes an interrupted save or clears away the remains of an unfinished one.
FileError recoverSetFiles(const std::string& basePath, const SaveStepHook& hook = {});
// The same for a caller that holds the set's write lock already.
FileError recoverLockedSetFiles(const std::string& basePath, const SaveStepHook& hook = {});

// What the user is told when recoverSetFiles fails for the set at setPath.
std::string unfinishedSaveText(const std::string& setPath, const FileError& error);

}  // namespace memvalo
