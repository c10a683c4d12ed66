#include "exchange/deck_import_command.h"

#include <filesystem>

#include "core/paths.h"
#include "exchange/deck_import_window.h"
#include "exchange/deck_module.h"
#include "files/history_menu.h"
#include "files/new_set.h"
#include "files/open_set.h"
#include "files/window_title.h"

namespace memvalo {

void mnufremdimport_Click(FilesContext& app) {
    mnudatneu_Click(app);
    if (app.files.beenden_antwort == 2) return;
    setTitleSuffix(app, "   Import");
    FileDialog dialog;
    dialog.title = "Kartei eines anderen Programms öffnen";
    dialog.filter = std::string(kDeckFileFilter);
    dialog.initialFolder = GetPathOrFileName(app.frm1.lblinidir.caption, true);
    if (dialog.initialFolder.empty()) dialog.initialFolder = app.platform.documentsFolder();
    dialog.fileMustExist = true;
    const auto chosen = app.onTopBracket([&] { return app.platform.openFileDialog(dialog); });
    if (!chosen || chosen->empty()) return;
    DeckImportWindowModel window;
    window.pfad = *chosen;
    if (!leseKartei(app, window)) return;
    app.onTopBracket([&] { app.platform.showDeckImportWindow(window); });
    std::error_code ec;
    if (window.importPfad.empty() || !std::filesystem::exists(window.importPfad, ec)) return;
    openFromHistory(app, window.importPfad);
    verlauf_aktualisieren(app);
}

}  // namespace memvalo
