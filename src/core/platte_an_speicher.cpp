#include "core/platte_an_speicher.h"

#include <memory>
#include <utility>

#include "core/db_update.h"
#include "core/learning_set_reader.h"
#include "core/safe_file.h"
#include "core/set_files.h"
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
bool readIfThere(const std::string& path, FileBytes& bytes, std::size_t limit = kMaxBoxFileBytes) {
    const std::error_code ec = readWholeFile(path, bytes, limit);
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
             std::vector<std::string>& notes) {
    readBox(base + ".ldt", std::move(bytes), 1, set.boxes[0]);
    const std::string cfgPath = base + ".cfg";
    if (readIfThere(cfgPath, bytes, kMaxLineFileBytes)) {
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
        if (readIfThere(path, bytes)) {
            readBox(path, std::move(bytes), box, set.boxes[static_cast<std::size_t>(box - 1)]);
        } else {
            notes.push_back("Die Datei " + path + " fehlt; Kasten " + std::to_string(box) +
                            " bleibt leer.");
        }
    }
}

void applySet(App& app, LoadedSet& set) {
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
bool updateOldFormat(App& app) {
    const UpdateResult result =
        db_update(app, app.setBasePath, GetPathOrFileName(app.setPath, true),
                  GetPathOrFileName(app.setPath, false));
    if (result == UpdateResult::Converted) {
        app.msgBox("Konvertierung beendet!", App::kTitle);
        return true;
    }
    if (result == UpdateResult::Impossible) {
        app.msgBox("Konvertierung fehlgeschlagen!", App::kTitle);
        app.abortFlag = 2;
    }
    app.markierung.clear();
    return false;
}

LoadResult load(App& app, const SaveStepHook& hook) {
    const std::string& base = app.setBasePath;
    if (const FileError e = recoverSetFiles(base, hook)) {
        throw Refusal{unfinishedSaveText(app.setPath, e) + "\r" + std::string(kUnchanged)};
    }
    const std::string ldtPath = base + ".ldt";
    FileBytes bytes;
    if (!readIfThere(ldtPath, bytes)) {
        throw Refusal{"Die Datei " + ldtPath + " wurde nicht gefunden."};
    }
    if (firstItem(bytes) == "kursdatenbank") {
        if (!updateOldFormat(app)) return LoadResult::NewSetWanted;
        if (!readIfThere(ldtPath, bytes)) {
            throw Refusal{"Die Datei " + ldtPath + " wurde nicht gefunden."};
        }
    }
    auto set = std::make_unique<LoadedSet>();
    std::vector<std::string> notes;
    readSet(base, bytes, *set, notes);
    if (!notes.empty()) {
        std::string text;
        for (const std::string& note : notes) text += (text.empty() ? "" : "\r") + note;
        app.msgBox(text, "Lerndatei unvollständig", Buttons::OK, Icon::Exclamation);
    }
    applySet(app, *set);
    // The loader's items pass through the marker text, so a load never leaves a marker behind.
    app.markierung.clear();
    return LoadResult::Loaded;
}

}  // namespace

LoadResult platte_an_speicher(App& app, const SaveStepHook& hook) {
    app.setBasePath = basePathOf(app.setPath);
    app.abortFlag = 0;
    try {
        const LoadResult result = load(app, hook);
        if (result != LoadResult::Loaded) app.abortFlag = 2;
        return result;
    } catch (const Refusal& refusal) {
        app.msgBox(refusal.text, kRefusedTitle, Buttons::OK, Icon::Critical);
        app.abortFlag = 2;
        return LoadResult::Refused;
    }
}

}  // namespace memvalo
