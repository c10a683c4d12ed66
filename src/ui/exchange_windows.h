#pragma once
// The import window `frmcsv` and the export window `frmexport` on screen, each shown
// modally over the parent until one of its procedures closes it.
#include <QWidget>

#include "app/app.h"
#include "exchange/csv_import_window.h"
#include "exchange/deck_import_window.h"
#include "exchange/export_window.h"

namespace memvalo {

void showCsvImportWindow(App& app, CsvImportWindowModel& model, QWidget* parent);
void showDeckImportWindow(App& app, DeckImportWindowModel& model, QWidget* parent);
void showExportWindow(App& app, ExportWindowModel& model, QWidget* parent);

}  // namespace memvalo
