#pragma once
// The dated backup of a set's five box files, offered when a set is opened: the copies go to
// a folder beside the set named by today's date (DDMMYYYY). The options file is not copied.
#include <functional>
#include <string>
#include <system_error>

#include "core/session.h"

namespace memvalo {

// The two file operations of a backup; tests replace them to make any one fail.
struct BackupFileOps {
    std::function<std::error_code(const std::string& folder)> createFolder;
    std::function<std::error_code(const std::string& from, const std::string& to)> copyFile;
};

BackupFileOps realBackupFileOps();

// The folder the backup of the set at setPath goes to today (no trailing separator).
std::string backupFolderFor(const std::string& setPath, const std::string& today);

// The set itself is never touched; failures are told to the user with the program's messages.
void sicherheitskopie(Session& app, const BackupFileOps& ops = realBackupFileOps());

}  // namespace memvalo
