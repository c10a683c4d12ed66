#include "files/history_menu.h"

#include <filesystem>

#include "core/safe_file.h"
#include "core/text_encoding.h"
#include "files/open_set.h"

namespace memvalo {

namespace {

constexpr int kCaptionLength = 35;

void showInMenu(FilesContext& app, const FileHistory& history) {
    MainWindowModel& w = app.frm1;
    const bool any = history.count() > 0;
    for (Control* c : {&w.mnustrich, &w.mnunix, &w.mmmmm, &w.mnuhistorie}) c->visible = any;
    for (int i = 1; i <= FileHistory::kEntries; ++i) {
        const std::string& path = history.entry(i);
        w.m[i].visible = !path.empty();
        w.m[i].caption = path.empty() ? std::string() : longfix(path, kCaptionLength);
        if (!path.empty()) w.lblinidir.caption = path;
    }
}

}  // namespace

void reportHistoryFault(FilesContext& app, bool reading, std::error_code ec) {
    if (app.files.historyFaultShown) return;
    app.files.historyFaultShown = true;
    app.msgBox("Die Liste der zuletzt benutzten Lerndateien kann nicht " +
                   std::string(reading ? "gelesen" : "gespeichert") + " werden:\rDie Datei " +
                   app.paths.historyFile + " kann nicht " + (reading ? "gelesen" : "geschrieben") +
                   " werden (" + fileErrorReason(ec) + ").",
               "Dateiliste", Buttons::OK, Icon::Exclamation);
}

void verlauf_aktualisieren(FilesContext& app) {
    FileHistory& history = app.files.verlauf;
    const std::string& file = app.paths.historyFile;
    const std::error_code readError = history.load(file);
    const bool unreadable = readError && readError != std::errc::no_such_file_or_directory;
    history.add(app.setPath);
    // A list that could not be read is not written over: the file may yet hold it.
    if (unreadable) {
        reportHistoryFault(app, true, readError);
    } else if (const std::error_code writeError = history.save(file)) {
        reportHistoryFault(app, false, writeError);
    } else {
        history.load(file);
    }
    showInMenu(app, history);
}

void m_Click(FilesContext& app, int index) {
    const std::string path = app.files.verlauf.entry(index);
    // Sets made on a case-insensitive system may name the file in another letter case.
    const auto onDisk = findFileIgnoringCase(path);
    if (!onDisk) {
        app.msgBox("Datei wurde verschoben oder gelöscht", "Datei nicht gefunden", Buttons::OK,
                   Icon::Information);
        return;
    }
    openFromHistory(app, *onDisk);
}

void mnuhistorie_Click(FilesContext& app) {
    std::error_code ec;
    std::filesystem::remove(app.paths.historyFile, ec);
    app.files.verlauf.clear();
    MainWindowModel& w = app.frm1;
    for (int i = 1; i <= FileHistory::kEntries; ++i) w.m[i].visible = false;
    for (Control* c : {&w.mnustrich, &w.mmmmm, &w.mnuhistorie, &w.mnunix}) c->visible = false;
}

}  // namespace memvalo
