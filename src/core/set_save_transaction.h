#pragma once
// Saving the six files of a learning set so that a crash at any moment leaves either the
// whole old set or the whole new set on disk, never a mix:
//   1. every file goes to "<file>.new~" beside it, written and fsynced;
//   2. the commit marker "<base>.commit~" is written and fsynced: from here the save counts;
//   3. the temporary files are renamed over the set's files and the folders are synced;
//   4. the marker is removed and the folder synced again.
// Opening a set first recovers: with a marker, the renames are completed (rolled forward);
// without one, stray temporary files of an unfinished save are removed.
// A file of the set that is a symbolic link stays one: the file it points to is replaced, and
// its temporary file lies beside that file, so the rename stays within one folder.
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/safe_file.h"

namespace memvalo {

enum class SaveStep { Write, Sync, WriteMarker, SyncMarker, Rename, SyncFolder, RemoveMarker };

// Runs before every step with the path it touches; a returned error makes that step fail.
// Tests use it to fail, or stop dead at, any single step.
using SaveStepHook = std::function<std::error_code(SaveStep, const std::string& path)>;

struct SetFileContent {
    std::string_view extension;  // ".cfg", ".ldt", ...
    std::string bytes;
};

std::string tempPathOf(const std::string& file);
std::string commitMarkerOf(const std::string& basePath);

// Writes the files; on an error before the marker the old set is untouched and the temporary
// files are gone. An error after it leaves the marker, so the next open completes the save.
FileError saveSetFiles(const std::string& basePath, const std::vector<SetFileContent>& files,
                       const SaveStepHook& hook = {});

// Completes an interrupted save or clears away the remains of an unfinished one.
FileError recoverSetFiles(const std::string& basePath, const SaveStepHook& hook = {});

// What the user is told when recoverSetFiles fails for the set at setPath.
std::string unfinishedSaveText(const std::string& setPath, const FileError& error);

}  // namespace memvalo
