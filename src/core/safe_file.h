#pragma once
// Replacing one file so that a crash never leaves it half-written: the bytes go to a
// temporary file in the same folder, are flushed to disk, and the file is renamed into place.
#include <string>
#include <string_view>
#include <system_error>

namespace memvalo {

// Returns the error of the first step that failed; the old file is then left as it was.
std::error_code writeFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file; nullopt-like empty error on success.
std::error_code readWholeFile(const std::string& path, std::string& bytes);

// The error of the system call that just failed.
std::error_code lastError();
// Writes all bytes to an open file descriptor, going on after interrupted writes.
std::error_code writeAll(int fd, std::string_view bytes);

// Syncs the folder so a rename inside it survives a crash.
std::error_code syncFolder(const std::string& folder);

}  // namespace memvalo
