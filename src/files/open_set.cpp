#include "files/open_set.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "core/history_file.h"
#include "core/paths.h"
#include "core/platte_an_speicher.h"
#include "core/set_files.h"
#include "core/sicherheitskopie.h"
#include "core/transfer.h"
#include "core/utf8.h"
#include "files/entry_window.h"
#include "files/exit_question.h"
#include "files/new_set.h"
#include "files/set_dialogs.h"
#include "files/set_sharing.h"
#include "files/unsaved_changes.h"
#include "files/window_title.h"
#include "settings/colour_schemes.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "study/box_messages.h"
#include "study/status.h"
#include "study/take_back.h"

namespace memvalo {

namespace {

void enableHistoryEntries(FilesContext& app, bool enabled) {
    for (int i = 1; i <= 8; ++i) app.frm1.m[i].enabled = enabled;
}

// Another set replaces the one in memory: its unsaved changes are offered for saving first.
bool mayLeaveOpenSet(FilesContext& app) {
    if (!hasUnsavedChanges(app)) return true;
    beenden_frage(app);
    return app.files.beenden_antwort != 2;
}

void offerBackup(FilesContext& app) {
    if (app.settings.sicherheitskopie != "Sicherheitskopie=ja") return;
    app.frm1.mnusiko_janein.checked = true;
    const Answer answer =
        app.msgBox("Sicherheitskopie der Datenbank anlegen ?",
                   "Datenbank vor dem Bearbeiten sichern", Buttons::YesNo, Icon::Question);
    if (answer == Answer::Yes) sicherheitskopie(app);
}

// The window after a set was read: box 1 at its first card, the box-5 commands to match.
void showOpenedSet(FilesContext& app) {
    MainWindowModel& w = app.frm1;
    CardStore& s = app.store;
    Box& k1 = s.k(1);
    showSetInTitle(app);
    w.progress.max = s.soll[0];
    w.progress.value = k1.anz;
    k1.pos = 1;
    s.maskeds = k1[1];
    maskeds_an_felder(app);
    status_aktuell(app);
    app.playSound("start.wav");
    if (k1.anz == 0) {
        w.mnukk[0].checked = false;
        k1.pos = 0;
    }
    const bool box5Filled = s.k(5).anz > 0;
    w.mnu5leeren.enabled = box5Filled;
    w.mnu5import.enabled = !box5Filled;
    w.mnudatspeichern.enabled = true;
}

// Reads the set at `path`; on refusal the set that was open stays open as it was.
void openSet(FilesContext& app, const std::string& path) {
    if (!mayOpenSharedSet(app, path)) {
        app.frm1.mnudatöffnen.enabled = true;
        enableHistoryEntries(app, true);
        return;
    }
    forgetLastAnswer(app);
    // Reading the settings again below must not undo the options changed since the start.
    keepChangedSettings(app);
    const std::string previousPath = app.setPath;
    app.schritt_gespeichert = "nein";
    takeOptionsFromMenus(app);
    app.frm1.me.tag = "0";
    app.frm1.mnudatöffnen.enabled = false;
    app.setPath = path;
    readSettings(app);
    offerBackup(app);
    app.settings.letzteDatei = path;
    applyStoredScheme(app);
    const LoadResult result = platte_an_speicher(app);
    if (result != LoadResult::Loaded) {
        // The set in memory is still the one that was open: it belongs to its own files,
        // never to the set that could not be read.
        app.setPath = previousPath;
        app.setBasePath = basePathOf(previousPath);
        app.frm1.mnudatöffnen.enabled = true;
        enableHistoryEntries(app, true);
        if (result == LoadResult::NewSetWanted) mnudatneu_Click(app);
        return;
    }
    openHistory(app);
    resetWindowForEntry(app);
    app.karte_gespeichert = "nein";
    showOpenedSet(app);
    markSetSaved(app);
    claimOpenSet(app);
}

}  // namespace

void mnudatöffnen_Click(FilesContext& app) {
    if (!mayLeaveOpenSet(app)) return;
    const auto path = askSetToOpen(app);
    if (!path) {
        app.frm1.mnudatöffnen.enabled = true;
        return;
    }
    openSet(app, *path);
}

void openNamedSet(FilesContext& app, const std::string& path) {
    std::error_code ec;
    const std::string full = std::filesystem::absolute(path, ec).lexically_normal().string();
    const auto onDisk = findFileIgnoringCase(full);
    if (!onDisk) {
        app.msgBox(std::string("Die Lerndatei") + kCR + full + kCR + "wurde nicht gefunden.",
                   "Datei nicht gefunden", Buttons::OK, Icon::Information);
        return;
    }
    if (utf8::lower(utf8::right(*onDisk, 4)) != ".ldt") {
        app.msgBox(std::string("Die Datei") + kCR + full + kCR + "ist keine Lerndatei (*.ldt).",
                   "Keine Lerndatei", Buttons::OK, Icon::Information);
        return;
    }
    openFromHistory(app, *onDisk);
}

void openFromHistory(FilesContext& app, const std::string& path) {
    if (!mayLeaveOpenSet(app)) return;
    enableHistoryEntries(app, false);
    openSet(app, path);
}

}  // namespace memvalo
