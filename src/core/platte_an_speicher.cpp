#include "core/platte_an_speicher.h"

#include <filesystem>
#include <memory>
#include <utility>

#include "core/db_update.h"
#include "core/learning_set_reader.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/set_lock.h"
#include "core/set_option_table.h"

namespace memvalo {

namespace {

struct LoadedSet {
    std::array<Box, 5> boxes;
    SetOptions options;
};

// Why the set is refused, already worded for the user.
struct Refusal {
    std::string text;
};

constexpr std::string_view kRefusedTitle = "Lerndatei nicht lesbar";
constexpr std::string_view kUnchanged =
    "Die Lerndatei wurde nicht geöffnet; ihre Dateien bleiben unverändert.";

std::string refusalOf(const std::string& path, std::error_code ec, std::size_t limit) {
    if (ec == std::errc::file_too_large) {
        return "Die Datei " + path + " ist zu groß: Sie hat mehr als " +
               std::to_string(limit >> 20) + " MB, so viel kann sie als Teil einer Lerndatei " +
               "nicht enthalten.\r" + std::string(kUnchanged);
    }
    return "Die Datei " + path + " kann nicht gelesen werden (" + fileErrorReason(ec) + ").\r" +
           std::string(kUnchanged);
}

// Reads the file into bytes; false when it does not exist. A file that exists but cannot be
// read refuses the set: opening it as empty would let the next save wipe its cards.
bool readIfThere(const std::string& path, FileBytes& bytes, FileStamp& stamp,
                 std::size_t limit = kMaxBoxFileBytes) {
    stamp = statFile(path);
    const std::error_code ec = readWholeFile(path, bytes, limit);
    stamp = withHash(stamp, ec ? std::string_view() : std::string_view(bytes));
    if (ec == std::errc::no_such_file_or_directory) return false;
    if (ec) throw Refusal{refusalOf(path, ec, limit)};
    return true;
}

void readBox(const std::string& path, FileBytes&& bytes, int boxNumber, Box& box) {
    try {
        readBoxFile(std::move(bytes), boxNumber, box);
    } catch (const FormatError& e) {
        const bool truncated = e.kind == FormatError::Kind::Truncated;
        throw Refusal{"Die Datei " + path +
                      (truncated ? " ist unvollständig." : " ist beschädigt.") + "\rZeile " +
                      std::to_string(e.line) + ": " + e.what() + ".\r" + std::string(kUnchanged)};
    }
}

std::string joinLines(const std::vector<int>& lines) {
    std::string text;
    for (int line : lines) text += (text.empty() ? "" : ", ") + std::to_string(line);
    return text;
}

// Reads all six files, the ".ldt" already in bytes; each box keeps its file's bytes. The notes tell
// of missing side files that were taken as empty.
void readSet(const std::string& base, FileBytes& bytes, LoadedSet& set,
             std::vector<std::string>& notes, DiskStamp& stamp) {
    readBox(base + ".ldt", std::move(bytes), 1, set.boxes[0]);
    const std::string cfgPath = base + ".cfg";
    if (readIfThere(cfgPath, bytes, stamp.files[0], kMaxLineFileBytes)) {
        std::vector<int> badLines;
        set.options = readOptionsFile(bytes, badLines);
        if (!badLines.empty()) {
            notes.push_back("Die Datei " + cfgPath + " hat unbrauchbare Werte (Zeile " +
                            joinLines(badLines) + "); dort gelten die Vorgaben.");
        }
    } else {
        notes.push_back("Die Datei " + cfgPath + " fehlt; es gelten die Vorgaben.");
    }
    for (int box = 2; box <= 5; ++box) {
        const std::string path = base + std::string(boxExtension(box));
        if (readIfThere(path, bytes, stamp.files[static_cast<std::size_t>(box)])) {
            readBox(path, std::move(bytes), box, set.boxes[static_cast<std::size_t>(box - 1)]);
        } else {
            notes.push_back("Die Datei " + path + " fehlt; Kasten " + std::to_string(box) +
                            " bleibt leer.");
        }
    }
}

void applySet(Session& app, LoadedSet& set) {
    app.store.boxes.swap(set.boxes);
    applySetOptions(app, set.options);
    for (int box = 1; box <= 5; ++box) {
        const int count = app.store.k(box).anz;
        app.store.ist[static_cast<std::size_t>(box - 1)] = count;
        app.frm1.lblazist[box - 1].caption = std::to_string(count);
        if (box > 1) app.store.k(box).pos = count;
    }
}

// Converts a set of the older format; false when loading must stop.
bool updateOldFormat(Session& app) {
    const UpdateResult result =
        db_update(app, app.setBasePath, GetPathOrFileName(app.setPath, true),
                  GetPathOrFileName(app.setPath, false));
    if (result == UpdateResult::Converted) {
        app.msgBox("Konvertierung beendet!", Session::kTitle);
        return true;
    }
    if (result == UpdateResult::Impossible) {
        app.msgBox("Konvertierung fehlgeschlagen!", Session::kTitle);
    }
    app.markierung.clear();
    return false;
}

// Takes the set's write lock, waiting for a save under way, and completes or clears away what a
// writer that died left. A set whose lock file cannot be made lies where nobody saves.
void lockForReading(Session& app, SetWriteLock& lock, const SaveStepHook& hook) {
    if (lock.acquire(app.setBasePath).code == SetConflict::Locked) {
        throw Refusal{"Die Lerndatei " + app.setPath +
                      " wird gerade von einem anderen Programm gespeichert und kann jetzt nicht "
                      "gelesen werden.\r" +
                      std::string(kUnchanged)};
    }
    if (!lock.held()) return;
    if (const FileError e = recoverLockedSetFiles(app.setBasePath, hook)) {
        throw Refusal{unfinishedSaveText(app.setPath, e) + "\r" + std::string(kUnchanged)};
    }
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// Reads the set into `set`; NewSetWanted when an older set was not converted.
LoadResult readWholeSet(Session& app, LoadedSet& set, std::vector<std::string>& notes,
                        DiskStamp& stamp) {
    const std::string ldtPath = app.setBasePath + ".ldt";
    FileBytes bytes;
    if (!readIfThere(ldtPath, bytes, stamp.files[1])) {
        throw Refusal{"Die Datei " + ldtPath + " wurde nicht gefunden."};
    }
    if (firstItem(bytes) == "kursdatenbank") {
        if (!updateOldFormat(app)) return LoadResult::NewSetWanted;
        if (!readIfThere(ldtPath, bytes, stamp.files[1])) {
            throw Refusal{"Die Datei " + ldtPath + " wurde nicht gefunden."};
        }
    }
    readSet(app.setBasePath, bytes, set, notes, stamp);
    return LoadResult::Loaded;
}

// A set is read without its lock, so a reader never needs to write beside it. A save that
// is pending is waited for first; one that came while the files were read shows in their
// stamps or its marker, and then the set is read again under the lock.
LoadResult load(Session& app, const SaveStepHook& hook) {
    const std::string& base = app.setBasePath;
    SetWriteLock lock;
    bool locked = false;
    if (exists(commitMarkerOf(base))) {
        lockForReading(app, lock, hook);
        locked = true;
    }
    auto set = std::make_unique<LoadedSet>();
    std::vector<std::string> notes;
    DiskStamp stamp{base, {}};
    for (;;) {
        notes.clear();
        stamp = DiskStamp{base, {}};
        if (readWholeSet(app, *set, notes, stamp) == LoadResult::NewSetWanted) {
            return LoadResult::NewSetWanted;
        }
        if (locked || (unchangedOnDisk(stamp) && !exists(commitMarkerOf(base)))) break;
        set = std::make_unique<LoadedSet>();
        lockForReading(app, lock, hook);
        locked = true;
    }
    if (!notes.empty()) {
        std::string text;
        for (const std::string& note : notes) text += (text.empty() ? "" : "\r") + note;
        app.msgBox(text, "Lerndatei unvollständig", Buttons::OK, Icon::Exclamation);
    }
    applySet(app, *set);
    app.diskStamp = std::move(stamp);
    // The loader's items pass through the marker text, so a load never leaves a marker behind.
    app.markierung.clear();
    return LoadResult::Loaded;
}

}  // namespace

void takeWrittenSet(Session& app, const std::vector<SetFileContent>& files,
                    std::array<std::vector<std::uint32_t>, 5> cardStarts) {
    auto set = std::make_unique<LoadedSet>();
    for (const SetFileContent& file : files) {
        for (int box = 1; box <= 5; ++box) {
            if (file.extension != boxExtension(box)) continue;
            const auto index = static_cast<std::size_t>(box - 1);
            holdWrittenBoxFile(file.bytes, box, FalschForm::Padded, std::move(cardStarts[index]),
                               set->boxes[index]);
        }
        if (file.extension == kSetExtensions[0]) {
            std::vector<int> badLines;
            set->options = readOptionsFile(file.bytes, badLines);
        }
    }
    applySet(app, *set);
    app.markierung.clear();
}

LoadResult platte_an_speicher(Session& app, const SaveStepHook& hook) {
    app.setBasePath = basePathOf(app.setPath);
    try {
        return load(app, hook);
    } catch (const Refusal& refusal) {
        app.msgBox(refusal.text, kRefusedTitle, Buttons::OK, Icon::Critical);
        return LoadResult::Refused;
    }
}

}  // namespace memvalo
