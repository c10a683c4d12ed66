#include "exchange/csv_import_window.h"

#include <utility>

#include "core/busy_pointer.h"
#include "core/maker.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/set_lock.h"
#include "core/utf8.h"
#include "exchange/csv_conversion.h"
#include "exchange/file_error.h"
#include "exchange/import_text.h"
#include "settings/window_geometry.h"

namespace memvalo {

namespace {

constexpr std::string_view kFirstStatus =
    "Bitte eine CSV- formatierte Datei öffnen (Trennzeichen entweder \";\" oder TAB)";

void applyLayout(FilesContext& app, CsvImportWindowModel& f) {
    centreOverMainWindow(app, f.me, 540, 222);
    place(f.cmdcsvopen, 12, 12, 130, 32);
    place(f.lblcsvdatei, 154, 12, 374, 32);
    place(f.sevLabel2, 12, 54, 516, 36);
    place(f.lblstatus, 12, 96, 516, 66);
    place(f.cmdimport, 12, 176, 250, 34);
    place(f.cmdok, 274, 176, 122, 34);
    place(f.cmdcancel, 406, 176, 122, 34);
}

void setButtons(CsvImportWindowModel& f, bool import, bool ok, bool cancel) {
    f.cmdimport.enabled = import;
    f.cmdok.enabled = ok;
    f.cmdcancel.enabled = cancel;
}

std::string wrongLineTitle() {
    return "Fehlerbericht bitte an " + std::string(kSupportAddress) + " !";
}

void close(CsvImportWindowModel& f) {
    f.me.visible = false;
}

}  // namespace

void frmcsv_Load(FilesContext& app, CsvImportWindowModel& f) {
    applyLayout(app, f);
    f.me.caption = "CSV-Import";
    f.cmdcsvopen.caption = "&Öffnen";
    f.cmdcsvopen.tooltip = "CSV Import\rCSV-Datei zum Import auswählen";
    f.sevLabel2.caption =
        "zu importierende CSV-Datei- Daten müssen mit Semikolon oder TAB getrennt sein";
    f.cmdimport.caption = "&Konvertieren und speichern";
    f.cmdimport.tooltip =
        "Import\rCSV-Datei ins Format der Lerndatei umwandeln. Alle Karten kommen dabei in den "
        "Kasten 1.";
    f.cmdok.caption = "&Schließen";
    f.cmdok.tooltip = "CSV-Import verlassen";
    f.cmdcancel.caption = "&Abbrechen";
    f.cmdcancel.tooltip = "Abbrechen und Schließen\rEs wird keine Datei geladen";
    f.lblstatus.caption = kFirstStatus;
    f.cmdcsvopen.enabled = true;
    setButtons(f, false, false, true);
    f.cmdcsvopen.focusRequested = true;
}

void cmdcsvopen_Click(FilesContext& app, CsvImportWindowModel& f) {
    std::string& lastFolder = app.settings.csvImportOrdner;
    if (lastFolder.empty()) lastFolder = app.platform.documentsFolder();
    FileDialog dialog;
    dialog.title = "CSV-Datei zum Import öffnen";
    dialog.filter = "Textdatei im CSV-Format(*.txt;*csv)|*.txt;*.csv";
    dialog.initialFolder = lastFolder;
    dialog.fileMustExist = true;
    const auto chosen = app.onTopBracket([&] { return app.platform.openFileDialog(dialog); });
    if (!chosen || chosen->empty()) return;
    const std::string folder = GetPathOrFileName(*chosen, true);
    f.csvTitel = GetPathOrFileName(*chosen, false);
    f.csvPfad = folder + f.csvTitel;
    f.lblcsvdatei.caption = f.csvTitel;
    // The folder, not the file: the next import's dialog opens there.
    lastFolder = folder;
    zeichen_prüfen(app, f);
}

void zeichen_prüfen(FilesContext& app, CsvImportWindowModel& f) {
    std::string bytes;
    // A file that cannot be read is refused as one without separators.
    if (readWholeFile(f.csvPfad, bytes)) bytes.clear();
    const auto separator = detectSeparator(importFileText(bytes));
    if (!separator) {
        app.msgBox(kTooFewSeparators, kTooFewSeparatorsTitle, Buttons::OK, Icon::Critical);
        f.csvPfad.clear();
        f.csvTitel.clear();
        f.lblcsvdatei.caption.clear();
        // Without a file there is nothing to convert.
        setButtons(f, false, false, true);
        return;
    }
    f.trennzeichen = *separator;
    f.lblstatus.caption = std::string("Eine Dateianalyse ergab, dass als Trennzeichen ein ") +
                          (*separator == kTab ? "TAB (Tabulatorzeichen)" : "Semikolon ( ; )") +
                          " verwendet wird. Klicken Sie nun auf \"Konvertieren und speichern\"!";
    setButtons(f, true, false, true);
    f.cmdimport.focusRequested = true;
}

void cmdimport_Click(FilesContext& app, CsvImportWindowModel& f) {
    if (f.csvPfad.empty()) return;
    FileDialog dialog;
    dialog.title = "Lerndatei erzeugen und abspeichern unter:";
    dialog.filter = "Lerndatei(*.ldt)|*.ldt";
    dialog.initialFolder = GetPathOrFileName(app.frm1.lblinidir.caption, true);
    if (dialog.initialFolder.empty()) dialog.initialFolder = app.platform.documentsFolder();
    const std::size_t titleLength = utf8::length(f.csvTitel);
    dialog.fileName = utf8::left(f.csvTitel, titleLength > 4 ? titleLength - 4 : 0);
    dialog.overwritePrompt = true;
    // The main window opens the new set by its box-1 file, which must end in ".ldt" for the
    // other files to be found; the overwrite question sees the name the file will get.
    dialog.defaultSuffix = "ldt";
    const auto chosen = app.onTopBracket([&] { return app.platform.saveFileDialog(dialog); });
    if (!chosen || chosen->empty()) return;
    const std::string target = withSetExtension(*chosen);
    if (!konvert(app, f, GetPathOrFileName(target, true), GetPathOrFileName(target, false))) {
        return;
    }
    setButtons(f, true, true, false);
    f.cmdok.focusRequested = true;
}

bool konvert(FilesContext& app, CsvImportWindowModel& f, const std::string& ordner,
             const std::string& dateiname) {
    const DiskStamp before = stampSet(importedSetBase(ordner, dateiname));
    std::string bytes;
    if (const auto ec = readWholeFile(f.csvPfad, bytes)) {
        showFileError(app, ec);
        return false;
    }
    Box box1;
    const std::string title = wrongLineTitle();
    int count = 0;
    const std::error_code written = [&] {
        BusyPointer busy(app.platform);
        count = konvertCards(
            importFileText(std::move(bytes)), f.trennzeichen, app.platform.today(), box1, [&](int) {
                busy.without(
                    [&] { app.msgBox(kWrongFieldCount, title, Buttons::OK, Icon::Critical); });
            });
        return writeImportedSet(ordner, dateiname, box1, &before);
    }();
    if (written) {
        const std::string conflict = setConflictText(ordner + dateiname, written);
        if (conflict.empty()) {
            showFileError(app, written);
        } else {
            app.msgBox(conflict, FilesContext::kTitle, Buttons::OK, Icon::Exclamation);
        }
        return false;
    }
    f.zielOrdner = ordner;
    f.zielDatei = dateiname;
    f.lblstatus.caption = importDoneText(count);
    return true;
}

void cmdok_Click(CsvImportWindowModel& f) {
    f.importPfad = f.zielOrdner + f.zielDatei;
    close(f);
}

void cmdcancel_Click(CsvImportWindowModel& f) {
    f.zielOrdner.clear();
    f.zielDatei.clear();
    f.importPfad.clear();
    close(f);
}

void frmcsv_QueryUnload(CsvImportWindowModel& f) {
    if (f.cmdok.enabled) {
        cmdok_Click(f);
    } else {
        cmdcancel_Click(f);
    }
}

}  // namespace memvalo
