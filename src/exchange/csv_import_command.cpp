#include "exchange/csv_import_command.h"

#include <filesystem>

#include "exchange/csv_import_window.h"
#include "files/history_menu.h"
#include "files/new_set.h"
#include "files/open_set.h"
#include "files/window_title.h"

namespace memvalo {

void mnucsvimport_Click(FilesContext& app) {
    mnudatneu_Click(app);
    if (app.files.beenden_antwort == 2) return;
    setTitleSuffix(app, "   Import");
    CsvImportWindowModel window;
    app.onTopBracket([&] { app.platform.showCsvImportWindow(window); });
    const std::string& path = window.importPfad;
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) return;
    openFromHistory(app, path);
    verlauf_aktualisieren(app);
}

}  // namespace memvalo
