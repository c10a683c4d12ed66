#include "ui/exchange_windows.h"

#include "app/app.h"
#include "ui/model_dialog.h"

namespace memvalo {

void showCsvImportWindow(App& app, CsvImportWindowModel& model, QWidget* parent) {
    frmcsv_Load(app, model);
    ModelDialog window(model.controls(), "frmcsv", nullptr, parent);
    window.onClick("cmdcsvopen", [&] { cmdcsvopen_Click(app, model); });
    window.onClick("cmdimport", [&] { cmdimport_Click(app, model); });
    window.onClick("cmdok", [&] { cmdok_Click(model); });
    window.onClick("cmdcancel", [&] { cmdcancel_Click(model); });
    window.onClose([&] { frmcsv_QueryUnload(model); });
    window.setTabOrder({"cmdcsvopen", "cmdimport", "cmdok", "cmdcancel"});
    window.exec();
}

void showDeckImportWindow(App& app, DeckImportWindowModel& model, QWidget* parent) {
    frmfremd_Load(app, model);
    ModelDialog window(model.controls(), "frmfremd", nullptr, parent);
    window.onChange("cbowahl", [&] { cbowahl_Click(app, model); });
    window.onChange("cboantwort", [&] { cboantwort_Click(app, model); });
    window.setBuddy("lblwahl", "cbowahl");
    window.setBuddy("lblantwort", "cboantwort");
    window.onClick("cmdimport", [&] { cmdimport_Click(app, model); });
    window.onClick("cmdcancel", [&] { cmdcancel_Click(model); });
    window.onClose([&] { cmdcancel_Click(model); });
    window.setTabOrder({"cbowahl", "cboantwort", "cmdimport", "cmdcancel"});
    window.exec();
}

void showExportWindow(App& app, ExportWindowModel& model, QWidget* parent) {
    frmexport_Load(app, model);
    ModelDialog window(model.controls(), "frmexport", frameOf, parent);
    std::vector<std::string> order;
    for (const ExchangeFormat& format : exportFormats()) {
        order.emplace_back(format.option);
        window.onClick(order.back(), [&] { optformat_Click(app, model); });
    }
    window.onClick("chkallekästen", [&] { chkallekästen_Click(model); });
    window.onClick("chkallefelder", [&] { chkallefelder_Click(model); });
    window.onClick("chkwiederholen", [&] { chkwiederholen_Click(app, model); });
    window.onClick("chkabsatz", [&] { chkabsatz_Click(app, model); });
    window.onClick("cmdexport", [&] { cmdexport_Click(app, model); });
    window.onClick("cmdcancel", [&] { cmdcancel_Click(model); });
    window.onClose([&] { cmdcancel_Click(model); });
    for (int i = 0; i < 5; ++i) order.push_back("chkkasten(" + std::to_string(i) + ")");
    order.push_back("chkallekästen");
    for (int i = 0; i < model.chkfelder.size(); ++i)
        order.push_back("chkfelder(" + std::to_string(i) + ")");
    order.insert(order.end(), {"chkallefelder", "optfa", "optaf", "chkwiederholen", "chkabsatz",
                               "cmdexport", "cmdcancel"});
    window.setTabOrder(order);
    window.exec();
}

}  // namespace memvalo
