#include "exchange/export_command.h"

#include "exchange/export_window.h"

namespace memvalo {

void mnuexporttext_Click(FilesContext& app) {
    if (!app.showExportWindow) return;
    ExportWindowModel window;
    app.onTopBracket([&] { app.showExportWindow(app, window); });
}

}  // namespace memvalo
