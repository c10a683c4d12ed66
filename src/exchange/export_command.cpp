#include "exchange/export_command.h"

#include "exchange/export_window.h"

namespace memvalo {

void mnuexporttext_Click(FilesContext& app) {
    ExportWindowModel window;
    app.onTopBracket([&] { app.platform.showExportWindow(window); });
}

}  // namespace memvalo
