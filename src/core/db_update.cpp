#include "core/db_update.h"

#include <filesystem>
#include <memory>

#include "core/error_guard.h"
#include "core/learning_set_writer.h"
#include "core/old_format_reader.h"
#include "core/runtime_error.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/set_option_table.h"
#include "core/utf8.h"

namespace fs = std::filesystem;

namespace memvalo {

namespace {

constexpr std::string_view kTitle = "Datenbankupdate";

constexpr std::string_view kQuestion =
    "Ihre Datenbank wurde noch in einem älteren Format abgespeichert\r"
    "Wenn Sie mit dieser Version des Programmes arbeiten möchten,\r"
    "muß sie jetzt aktualisiert werden.\r"
    "Dabei werden die alten Daten in einem Backup-Verzeichnis\r"
    "gesichert und bleiben erhalten.\r"
    "\r"
    "Wenn Sie jetzt abbrechen, können Sie die ausgewählte Datenbank\r"
    "nicht öffnen, aber eine neue anlegen. Weitermachen?";

// Copies made into the set's own folder would be the files themselves, and converting them
// would leave no original. A set in any other folder named "backup" gets its backup beneath.
bool isOwnBackupFolder(const std::string& folder, const std::string& backupFolder) {
    std::error_code ec;
    return fs::equivalent(folder.empty() ? "." : folder, backupFolder, ec);
}

void advance(Session& app) {
    Control& bar = app.frm1.progress;
    if (bar.value < bar.max) ++bar.value;
}

void copyOldFiles(Session& app, const std::string& setBasePath, const std::string& backupFolder) {
    const std::string setName = GetPathOrFileName(setBasePath, false);
    for (int box = 1; box <= 5; ++box) {
        const std::string extension(boxExtension(box));
        const std::string from = setBasePath + extension;
        std::error_code ec;
        if (box > 1 && !fs::exists(from, ec)) continue;
        fs::copy_file(from, backupFolder + setName + extension,
                      fs::copy_options::overwrite_existing, ec);
        if (ec) {
            throw RuntimeError(kPathFileAccessError, "Die Datei " + from + " kann nicht nach " +
                                                         backupFolder + " kopiert werden (" +
                                                         fileErrorReason(ec) + ")");
        }
        advance(app);
    }
}

UpdateResult convert(Session& app, const std::string& setBasePath, const std::string& folder,
                     const std::string& fileName, const SaveStepHook& hook) {
    const std::string backupFolder = updateBackupFolder(folder);
    if (backupFolder.empty()) {
        throw RuntimeError(kPathFileAccessError,
                           "Im Ordner " + folder + " lässt sich kein Ordner backup anlegen");
    }
    if (isOwnBackupFolder(folder, backupFolder)) {
        app.msgBox("Aus dem Verzeichnis " + folder +
                       " heraus können Sie die Dateien nicht laden!\r"
                       "Kopieren Sie sie in ein anderes Verzeichnis!",
                   "Datenbankupdate so nicht möglich", Buttons::OK, Icon::Critical);
        return UpdateResult::Impossible;
    }
    advance(app);
    app.msgBox("Ihre Daten werden gesichert in: \r" + backupFolder + fileName, kTitle, Buttons::OK,
               Icon::Information);
    advance(app);
    copyOldFiles(app, setBasePath, backupFolder);
    auto old = std::make_unique<OldSet>();
    readOldSet(setBasePath, *old);
    advance(app);
    // The old set brings its capacities and count; the other options are the program's.
    const SetOptions options = setOptionsOf(app);
    if (const FileError e = saveSetFiles(setBasePath, convertedSetFiles(*old, options), hook)) {
        throw RuntimeError(kPathFileAccessError, cannotWriteText(e));
    }
    return UpdateResult::Converted;
}

}  // namespace

std::string updateBackupFolder(const std::string& setFolder) {
    const std::string parent = setFolder.empty() ? "./" : setFolder;
    std::error_code ec;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (utf8::lower(name) == "backup" && it->is_directory(ec)) return parent + name + "/";
    }
    fs::create_directory(parent + "backup", ec);
    return fs::is_directory(parent + "backup", ec) ? parent + "backup/" : std::string();
}

std::vector<SetFileContent> convertedSetFiles(OldSet& old, SetOptions options) {
    options.capacities = old.capacities;
    options.box5Answered = old.box5Answered;
    std::vector<SetFileContent> files{{kSetExtensions[0], optionsFileBytes(options)}};
    for (int box = 1; box <= 5; ++box) {
        files.push_back(
            {boxExtension(box), boxFileBytes(old.boxes[static_cast<std::size_t>(box - 1)], box)});
    }
    return files;
}

UpdateResult db_update(Session& app, const std::string& setBasePath, const std::string& folder,
                       const std::string& fileName, const SaveStepHook& hook) {
    const Answer answer = app.msgBox(kQuestion, kTitle, Buttons::OKCancel, Icon::Information);
    if (answer == Answer::Cancel) return UpdateResult::Declined;
    app.markierung.clear();
    Control& bar = app.frm1.progress;
    bar.visible = true;
    bar.min = 1;
    bar.max = 20;
    bar.value = 1;

    UpdateResult result = UpdateResult::Impossible;
    guarded(app, "db_update", [&] { result = convert(app, setBasePath, folder, fileName, hook); });
    bar.value = bar.max;
    return result;
}

}  // namespace memvalo
