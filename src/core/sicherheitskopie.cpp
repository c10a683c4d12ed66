#include "core/sicherheitskopie.h"

#include <cerrno>
#include <filesystem>

#include "core/learning_history.h"
#include "core/set_files.h"
#include "core/set_lock.h"

namespace fs = std::filesystem;

namespace memvalo {

namespace {

// The classic run-time errors a backup tells apart, each with its own reaction.
enum class BackupError {
    FolderExists,  // 75: the folder is there already
    DiskNotReady,  // 71: read-only or missing medium
    DiskFull,      // 61
    FileExists,    // 58
    AccessDenied,  // 70: permission denied
    Other,
};

BackupError classify(std::error_code ec, bool creatingFolder) {
    switch (ec.value()) {
        case EEXIST:
            return creatingFolder ? BackupError::FolderExists : BackupError::FileExists;
        case EROFS:
        case ENOMEDIUM:
        case ENODEV:
        case ENXIO:
            return BackupError::DiskNotReady;
        case ENOSPC:
        case EDQUOT:
            return BackupError::DiskFull;
        case EACCES:
        case EPERM:
        case ETXTBSY:
            return BackupError::AccessDenied;
        default:
            return BackupError::Other;
    }
}

constexpr std::string_view kNotReadyTitle = "Backup klappt nicht so recht...";

enum class Reaction { Repeat, GoOn, Stop };

void giveUp(Session& app) {
    app.msgBox("Also aufgeben... Wie Sie wünschen!", Session::kTitle);
}

Reaction askRetry(Session& app, std::string_view text) {
    if (app.msgBox(text, kNotReadyTitle, Buttons::RetryCancel, Icon::Critical) == Answer::Retry) {
        return Reaction::Repeat;
    }
    giveUp(app);
    return Reaction::Stop;
}

Reaction react(Session& app, BackupError error) {
    switch (error) {
        case BackupError::FolderExists:
            return Reaction::GoOn;
        case BackupError::DiskNotReady:
            return askRetry(app, "Laufwerk nicht bereit (schreibgeschützt oder voll)");
        case BackupError::DiskFull:
            return askRetry(app, "Laufwerk nicht bereit (kein Speicherplatz mehr !)");
        case BackupError::FileExists:
            if (app.msgBox("Datei existiert schon. Überschreiben?",
                           "Datei-Überschreiben bestätigen...", Buttons::YesNo,
                           Icon::Question) == Answer::Yes) {
                return Reaction::Repeat;
            }
            giveUp(app);
            return Reaction::Stop;
        case BackupError::AccessDenied:
            app.msgBox(
                "Dateien können nicht kopiert werden, da sie gerade geöffnet sind.\r"
                "Wahrscheinlich haben Sie die Backup-Dateien geöffnet.\r"
                "Sie können nun entweder:\r"
                "                         * die Dateien sichern mit DATEI -> SPEICHERN UNTER\r"
                "                         * einfach weiterarbeiten\r"
                "              ODER\r"
                "                         * einen Kaffee trinken. ",
                "Dieser Fehler tritt sehr selten auf....", Buttons::OK, Icon::Critical);
            return Reaction::Stop;
        case BackupError::Other:
            break;
    }
    app.msgBox("Ein Fehler beim Erstellen des Backups trat auf", "...peinlich, peinlich",
               Buttons::OK, Icon::Information);
    return Reaction::Stop;
}

// Runs one step until it succeeds or the user's answer moves on; false ends the backup.
template <typename Step>
bool runStep(Session& app, bool creatingFolder, Step&& step) {
    for (;;) {
        const std::error_code ec = step();
        if (!ec) return true;
        switch (react(app, classify(ec, creatingFolder))) {
            case Reaction::Repeat:
                continue;
            case Reaction::GoOn:
                return true;
            case Reaction::Stop:
                return false;
        }
    }
}

std::string digitsOf(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') digits += c;
    }
    return digits;
}

}  // namespace

BackupFileOps realBackupFileOps() {
    return {[](const std::string& folder) {
                std::error_code ec;
                if (!fs::create_directory(folder, ec) && !ec) {
                    ec = std::make_error_code(std::errc::file_exists);
                }
                return ec;
            },
            [](const std::string& from, const std::string& to) {
                std::error_code ec;
                fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
                return ec;
            }};
}

std::string backupFolderFor(const std::string& setPath, const std::string& today) {
    return GetPathOrFileName(setPath, true) + digitsOf(today);
}

void sicherheitskopie(Session& app, const BackupFileOps& ops) {
    app.setBasePath = basePathOf(app.setPath);
    const std::string setName = basePathOf(GetPathOrFileName(app.setPath, false));
    const std::string folder = backupFolderFor(app.setPath, app.platform.today());
    // The copies are taken while no other program is halfway through saving the set. A set
    // whose lock cannot be had is copied all the same: a backup never stops an open.
    SetWriteLock lock;
    lock.acquire(app.setBasePath);
    if (!runStep(app, true, [&] { return ops.createFolder(folder); })) return;
    for (int box = 1; box <= 5; ++box) {
        const std::string extension(boxExtension(box));
        const bool copied = runStep(app, false, [&] {
            return ops.copyFile(app.setBasePath + extension, folder + "/" + setName + extension);
        });
        if (!copied) return;
    }
    // The learning history goes along where the set has one.
    const std::string history = app.setBasePath + std::string(kHistoryExtension);
    std::error_code ec;
    if (fs::exists(history, ec) && !runStep(app, false, [&] {
            return ops.copyFile(history, folder + "/" + setName + std::string(kHistoryExtension));
        })) {
        return;
    }
    app.msgBox("Die Datei(en) wurden in das folgende Verzeichnis kopiert:\r\r" + folder +
                   "\r\rAm Datum können Sie die jeweils neueste Version erkennen.\r\r"
                   "Achtung: Ältere Backup-Verzeichnisse werden in dieser Version\r\r"
                   "noch NICHT AUTOMATISCH gelöscht. Bemühen Sie daher ab und zu den Explorer.",
               "Hinweis", Buttons::OK, Icon::Information);
}

}  // namespace memvalo
