#pragma once
// The program's way to whole files on disk. Reading is bounded and reports every failure as a
// value. Replacing a file is crash-safe: the bytes go to a temporary file beside it, are flushed
// to disk, and the temporary file is renamed into place. A file reached through a symbolic link
// keeps its link: the file the link points to is the one replaced.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "core/file_bytes.h"

namespace memvalo {

// The largest box file the program reads: 2000 cards whose texts fill the entry fields and
// whose media path is as long as a path can be, every character stored as a reference.
inline constexpr std::size_t kMaxBoxFileBytes = std::size_t{512} << 20;
// Options, settings and history files hold a few short lines.
inline constexpr std::size_t kMaxLineFileBytes = std::size_t{1} << 20;

// A failed file operation and the file it failed on.
struct FileError {
    std::error_code code;
    std::string path;
    explicit operator bool() const { return static_cast<bool>(code); }
};

// Reads a whole regular file. A folder gives errc::is_a_directory, a file larger than maxBytes
// errc::file_too_large (without reading it), any other kind of file errc::invalid_argument.
std::error_code readWholeFile(const std::string& path, std::string& bytes,
                              std::size_t maxBytes = kMaxBoxFileBytes);
std::error_code readWholeFile(const std::string& path, FileBytes& bytes,
                              std::size_t maxBytes = kMaxBoxFileBytes);

// Replaces the file; on an error the old file is left as it was.
std::error_code writeFileAtomically(const std::string& path, std::string_view bytes);

// Why a read or write failed, in words for the user: "kein Speicherplatz mehr".
std::string fileErrorReason(std::error_code ec);
// "Die Datei ... kann nicht geschrieben werden (...)." for a failed write of a file or of a
// folder's entries.
std::string cannotWriteText(const FileError& error);

// The file a path names once symbolic links are followed; the path itself when it is no link.
std::string linkTarget(const std::string& path);

// The pieces the crash-safe set save is built from.
std::error_code lastError();
// A name part no other writer uses at the same time, on this or another machine:
// "<process id>-<count>-<random>".
std::string uniqueToken();
// Writes all bytes, going on after short and interrupted writes.
std::error_code writeAll(int fd, std::string_view bytes);
// Creates or empties `path`, writes the bytes and flushes them to disk. The new file takes over
// the permissions of `permissionsOf` when that file exists, so a private file stays private.
// beforeSync runs between writing and flushing; an error it returns stops there.
std::error_code writeSynced(const std::string& path, std::string_view bytes,
                            const std::string& permissionsOf,
                            const std::function<std::error_code()>& beforeSync = {});
// A file written and still open, so that several files can be written before any is flushed:
// the first flush then commits them all to disk in one go, and the others find little left.
class WrittenFile {
  public:
    WrittenFile() = default;
    WrittenFile(WrittenFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    WrittenFile& operator=(WrittenFile&&) = delete;
    ~WrittenFile();
    // Creates or empties `path` and writes the bytes, as writeSynced does.
    std::error_code write(const std::string& path, std::string_view bytes,
                          const std::string& permissionsOf);
    // Cuts the file `path` back to its first `keep` bytes (a shorter file stays whole) and
    // writes the bytes at its end; the file is created when missing.
    std::error_code append(const std::string& path, std::uint64_t keep, std::string_view bytes);
    // Flushes the file to disk and closes it.
    std::error_code sync();

  private:
    int fd_ = -1;
};
// Syncs the folder so a rename inside it survives a crash.
std::error_code syncFolder(const std::string& folder);

}  // namespace memvalo
