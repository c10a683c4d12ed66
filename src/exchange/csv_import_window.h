#pragma once
// The import window `frmcsv`: choose a delimited text file (its separator is detected at
// once), convert it into a new learning set under a chosen name, and close. "Schließen" hands
// the new set to the main window, "Abbrechen" hands over nothing.
#include <string>

#include "files/files_context.h"
#include "model/window_model.h"

namespace memvalo {

class CsvImportWindowModel : public WindowModel {
  public:
    Control& me = add("frmcsv", ControlKind::Form);
    Control& cmdcsvopen = add("cmdcsvopen", ControlKind::Button);
    Control& lblcsvdatei = add("lblcsvdatei", ControlKind::Label);
    Control& sevLabel2 = add("sevLabel2", ControlKind::Label);
    Control& lblstatus = add("lblstatus", ControlKind::Label);
    Control& cmdimport = add("cmdimport", ControlKind::Button);
    Control& cmdok = add("cmdok", ControlKind::Button);
    Control& cmdcancel = add("cmdcancel", ControlKind::Button);

    // The chosen file: its full path and its name without the folder.
    std::string csvPfad;
    std::string csvTitel;
    char trennzeichen = ';';
    // Where the last conversion wrote the new set's box-1 file.
    std::string zielOrdner;
    std::string zielDatei;
    // The box-1 file the main window opens after the window has closed; empty after
    // "Abbrechen".
    std::string importPfad;
};

void frmcsv_Load(FilesContext& app, CsvImportWindowModel& f);
void cmdcsvopen_Click(FilesContext& app, CsvImportWindowModel& f);
void zeichen_prüfen(FilesContext& app, CsvImportWindowModel& f);
void cmdimport_Click(FilesContext& app, CsvImportWindowModel& f);
// True when the new set is on disk.
bool konvert(FilesContext& app, CsvImportWindowModel& f, const std::string& ordner,
             const std::string& dateiname);
void cmdok_Click(CsvImportWindowModel& f);
void cmdcancel_Click(CsvImportWindowModel& f);
// The window's frame closed it: after a conversion that is "Schließen", before one
// "Abbrechen".
void frmcsv_QueryUnload(CsvImportWindowModel& f);

}  // namespace memvalo
