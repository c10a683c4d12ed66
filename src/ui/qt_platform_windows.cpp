// The program's other windows as the Qt platform opens them over the main window.
#include "ui/card_search_window.h"
#include "ui/colour_window.h"
#include "ui/exchange_windows.h"
#include "ui/main_window.h"
#include "ui/minor_windows.h"
#include "ui/print_window.h"
#include "ui/qt_platform.h"
#include "ui/statistics_window.h"

namespace memvalo {

// The main window shows what the command has done so far before the window stands over it.
template <typename Model>
void QtPlatform::overMainWindow(void (*show)(App&, Model&, QWidget*), Model& model) {
    if (window_ == nullptr) return;
    window_->sync();
    show(*app_, model, window_);
}

void QtPlatform::showDeveloperWindow() {
    if (window_ != nullptr) memvalo::showDeveloperWindow(*app_, window_);
}

void QtPlatform::showColourWindow() {
    if (window_ == nullptr) return;
    MainWindow* window = window_;
    memvalo::showColourWindow(*app_, window, [window] { window->sync(); });
}

void QtPlatform::showCsvImportWindow(CsvImportWindowModel& model) {
    overMainWindow(memvalo::showCsvImportWindow, model);
}

void QtPlatform::showDeckImportWindow(DeckImportWindowModel& model) {
    overMainWindow(memvalo::showDeckImportWindow, model);
}

void QtPlatform::showStatisticsWindow(StatisticsWindowModel& model) {
    overMainWindow(memvalo::showStatisticsWindow, model);
}

void QtPlatform::showCardSearchWindow(CardSearchWindowModel& model) {
    overMainWindow(memvalo::showCardSearchWindow, model);
}

void QtPlatform::showExportWindow(ExportWindowModel& model) {
    overMainWindow(memvalo::showExportWindow, model);
}

void QtPlatform::showAboutBox(FrmInfoModel& model) {
    if (window_ != nullptr) memvalo::showAboutBox(*app_, model, window_);
}

void QtPlatform::showClosingSpeedWindow(FrmZeitModel& model) {
    if (window_ != nullptr) memvalo::showClosingSpeedWindow(*app_, model, window_);
}

void QtPlatform::showPrintWindow() {
    if (window_ != nullptr) memvalo::showPrintWindow(*app_, window_);
}

void QtPlatform::runClosingFade() {
    if (window_ != nullptr) memvalo::runClosingFade(*app_, *window_);
}

}  // namespace memvalo
