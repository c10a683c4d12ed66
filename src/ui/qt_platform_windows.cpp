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

void QtPlatform::showDeveloperWindow() {
    if (window_ != nullptr) memvalo::showDeveloperWindow(*app_, window_);
}

void QtPlatform::showColourWindow() {
    if (window_ == nullptr) return;
    MainWindow* window = window_;
    memvalo::showColourWindow(*app_, window, [window] { window->sync(); });
}

// The main window shows what the command has done so far before the window stands over it.
void QtPlatform::showCsvImportWindow(CsvImportWindowModel& model) {
    if (window_ == nullptr) return;
    window_->sync();
    memvalo::showCsvImportWindow(*app_, model, window_);
}

void QtPlatform::showDeckImportWindow(DeckImportWindowModel& model) {
    if (window_ == nullptr) return;
    window_->sync();
    memvalo::showDeckImportWindow(*app_, model, window_);
}

void QtPlatform::showStatisticsWindow(StatisticsWindowModel& model) {
    if (window_ == nullptr) return;
    window_->sync();
    memvalo::showStatisticsWindow(*app_, model, window_);
}

void QtPlatform::showCardSearchWindow(CardSearchWindowModel& model) {
    if (window_ == nullptr) return;
    window_->sync();
    memvalo::showCardSearchWindow(*app_, model, window_);
}

void QtPlatform::showExportWindow(ExportWindowModel& model) {
    if (window_ == nullptr) return;
    window_->sync();
    memvalo::showExportWindow(*app_, model, window_);
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
