#include "core/kasten5.h"

#include <filesystem>

#include "core/error_guard.h"
#include "core/learning_set_reader.h"
#include "core/learning_set_writer.h"
#include "core/runtime_error.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/set_lock.h"

namespace memvalo {

namespace {

constexpr std::string_view kEmptyTitle = "Kasten 5 leeren";
constexpr std::string_view kImportTitle = "Datenimport nicht möglich";

void showBox5Count(Session& app) {
    const int count = app.store.k(5).anz;
    app.store.ist[4] = count;
    app.frm1.lblazist[4].caption = std::to_string(count);
}

void hideBox5Browsing(MainWindowModel& w) {
    w.mnukk[4].checked = false;
    w.mnukk[4].enabled = false;
    for (Control* c : {&w.cmd5anfang, &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende, &w.optk5}) {
        c->visible = false;
    }
}

// The side file the user picks; empty when the dialog was cancelled.
std::string chooseSideFile(Session& app) {
    FileDialog dialog;
    dialog.title = "Lerndatei Kasten 5 importieren";
    dialog.filter = "Kasten 5 Import (*.k06)|*.k06";
    dialog.filterIndex = 1;
    dialog.fileMustExist = true;
    if (!app.setPath.empty()) dialog.initialFolder = GetPathOrFileName(app.setPath, true);
    const auto chosen = app.onTopBracket([&] { return app.platform.openFileDialog(dialog); });
    return chosen.value_or(std::string());
}

// A side file named after another set is imported only when the user insists.
bool fitsOrUserInsists(Session& app, const std::string& file) {
    if (app.setPath.empty()) return true;
    const std::string setName = basePathOf(GetPathOrFileName(app.setPath, false));
    if (GetPathOrFileName(file, false).starts_with(setName + "_bak")) return true;
    const Answer answer =
        app.msgBox("Sie versuchen, einen Kasten zu importieren, der\rnicht zu Datei " + setName +
                       ".ldt passt!\r\rWollen Sie wirklich weitermachen??",
                   "Sicherheitsabfrage", Buttons::YesNo, Icon::Question, 2);
    return answer == Answer::Yes;
}

// Reads the side file into a fresh box; a file that cannot be read leaves box 5 as it was.
bool readSideFile(Session& app, const std::string& file) {
    FileBytes bytes;
    if (const std::error_code ec = readWholeFile(file, bytes)) {
        app.msgBox("Die Datei " + file + " kann nicht gelesen werden (" + fileErrorReason(ec) +
                       ").\rKasten 5 bleibt leer.",
                   kImportTitle, Buttons::OK, Icon::Critical);
        return false;
    }
    Box box;
    try {
        readBoxFile(std::move(bytes), 5, box);
    } catch (const FormatError& e) {
        app.msgBox("Die Datei " + file + " ist kein lesbarer Kasten 5.\rZeile " +
                       std::to_string(e.line) + ": " + e.what() + ".\rKasten 5 bleibt leer.",
                   kImportTitle, Buttons::OK, Icon::Critical);
        return false;
    }
    app.store.k(5) = std::move(box);
    app.store.k(5).pos = app.store.k(5).anz;
    showBox5Count(app);
    return true;
}

}  // namespace

std::string sideFileName(const std::string& setBasePath, int n) {
    return setBasePath + "_bak" + std::to_string(n) + ".k06";
}

std::string freeSideFile(const std::string& setBasePath) {
    for (int n = 1; n <= kSideFiles; ++n) {
        std::error_code ec;
        const std::string name = sideFileName(setBasePath, n);
        if (!std::filesystem::exists(name, ec) && !ec) return name;
    }
    return {};
}

bool kasten5_speichern(Session& app) {
    if (app.setPath.empty()) {
        app.msgBox(
            "Kasten 5 kann erst gesichert werden, wenn die Lerndatei gespeichert ist.\r"
            "Bitte speichern Sie die Lerndatei zuerst.",
            kEmptyTitle, Buttons::OK, Icon::Information);
        return false;
    }
    app.setBasePath = basePathOf(app.setPath);
    // Two windows saving box 5 of one set at once must not choose the same free name.
    SetWriteLock lock;
    if (const FileError e = lock.acquire(app.setBasePath); e.code == SetConflict::Locked) {
        app.msgBox(setConflictText(app.setPath, e.code), kEmptyTitle, Buttons::OK,
                   Icon::Exclamation);
        return false;
    }
    const std::string file = freeSideFile(app.setBasePath);
    if (file.empty()) {
        app.msgBox("Kasten 5 kann nicht gesichert werden: Die Dateien " +
                       sideFileName(app.setBasePath, 1) + " bis " +
                       sideFileName(app.setBasePath, kSideFiles) + " gibt es alle schon.\r" +
                       "Bitte verschieben oder löschen Sie ältere Sicherungen.",
                   kEmptyTitle, Buttons::OK, Icon::Exclamation);
        return false;
    }
    const bool written = guarded(app, "kasten5_speichern", [&] {
        const std::string bytes = boxFileBytes(app.store.k(5), 5, FalschForm::Trimmed);
        if (const std::error_code ec = writeFileAtomically(file, bytes)) {
            throw RuntimeError(kPathFileAccessError, "Kasten 5 kann nicht nach " + file +
                                                         " geschrieben werden (" +
                                                         fileErrorReason(ec) + ")");
        }
    });
    if (!written) return false;
    app.store.k(5).clear();
    showBox5Count(app);
    hideBox5Browsing(app.frm1);
    return true;
}

bool kasten5_import(Session& app) {
    const std::string file = chooseSideFile(app);
    return !file.empty() && fitsOrUserInsists(app, file) && readSideFile(app, file);
}

}  // namespace memvalo
