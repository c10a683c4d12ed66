#include "print/print_window.h"

#include "files/unsaved_changes.h"
#include "print/card_sheets.h"
#include "print/print_target.h"
#include "settings/window_geometry.h"

namespace memvalo {

namespace {

// The set's name without ".ldt"; "Lerndatei" for a set never saved.
std::string setName(const FilesContext& app) {
    if (app.setPath.empty()) return "Lerndatei";
    const std::string file = GetPathOrFileName(app.setPath, false);
    return file.size() > 4 ? file.substr(0, file.size() - 4) : file;
}

void fillPrinterList(Printer& printer, PrintWindowModel& f) {
    const PrinterList list = GetPrinters(printer);
    f.printerNames = list.names;
    f.Combo1.caption = list.names[list.current];
}

void markEmptyBoxes(PrintWindowModel& f) {
    f.cmdausdruck.enabled = false;
    for (int box = 1; box <= 5; ++box) {
        Control& option = f.optkasten[box];
        option.caption = "Kasten " + std::to_string(box);
        if ((*f.boxes)[static_cast<std::size_t>(box - 1)].anz == 0) {
            option.caption += "   (leer)";
            option.enabled = false;
        } else {
            option.enabled = true;
            f.cmdausdruck.enabled = true;
        }
    }
}

void printBox(FilesContext& app, PrintWindowModel& f, Printer& printer) {
    const std::string boxName = "Kasten " + std::to_string(f.kasten);
    const auto target =
        chooseTarget(app, printer, f.Combo1.caption, setName(app) + " " + boxName + ".pdf");
    if (!target) return;
    const CardFonts fonts{app.frm1.txtfrage.font.name, app.frm1.txtantwort.font.name,
                          cardFontSize(f.cbfgroeße.caption)};
    const Box& box = (*f.boxes)[static_cast<std::size_t>(f.kasten - 1)];
    const bool printed =
        runPrintJob(app, printer, *target, setName(app) + " - " + boxName,
                    [&](PrintJob& job) { printCardSheets(job, box, f.kasten, fonts); });
    if (printed && !target->pdfPath.empty()) {
        app.msgBox(boxName + " wurde in die PDF-Datei '" + target->pdfPath + "' gedruckt.",
                   FilesContext::kTitle, Buttons::OK, Icon::Information);
    }
}

}  // namespace

void applyPrintWindowLayout(PrintWindowModel& f) {
    place(f.me, 0, 0, 420, 360);
    place(f.Label1, 12, 12, 396, 18);
    place(f.Combo1, 12, 32, 396, 26);
    place(f.Label2, 12, 70, 200, 18);
    place(f.cbfgroeße, 12, 90, 100, 26);
    place(f.Frame1, 12, 130, 250, 176);
    for (int box = 1; box <= 5; ++box) place(f.optkasten[box], 24, 128 + box * 28, 226, 24);
    place(f.cmdausdruck, 276, 138, 132, 40);
    place(f.Command1, 276, 190, 132, 40);
    place(f.lblhinweis, 12, 314, 396, 36);
}

bool frmprint_Load(FilesContext& app, PrintWindowModel& f) {
    Printer* printer = app.platform.printer();
    if (printer == nullptr) {
        app.msgBox("Hier steht kein Drucker zur Verfügung.", FilesContext::kTitle, Buttons::OK,
                   Icon::Exclamation);
        return false;
    }
    f.boxes = boxesToPrint(app);
    if (!f.boxes) return false;
    f.me.caption = "Lerndatei drucken";
    f.Label1.caption = "Druckerauswahl";
    f.Label2.caption = "Schriftgröße";
    f.Frame1.caption = "Auswahl der zu druckenden Kästen";
    f.cmdausdruck.caption = "&Drucken";
    f.cmdausdruck.tooltip =
        "Druckt je 4 Fragen und Antworten auf ein DIN A 4 Blatt.\rFrage und Antwort werden "
        "gefalzt.";
    f.Command1.caption = "&Schließen";
    fillPrinterList(*printer, f);
    f.fontSizes.clear();
    for (int size = 10; size <= 24; size += 2) f.fontSizes.push_back(std::to_string(size));
    f.cbfgroeße.caption = "12";
    markEmptyBoxes(f);
    f.lblhinweis.caption =
        "Gedruckt wird der zuletzt gespeicherte Stand der Lerndatei; Änderungen seit dem "
        "letzten Speichern fehlen im Ausdruck.";
    f.lblhinweis.visible = !app.setPath.empty() && hasUnsavedChanges(app);
    if (!f.lblhinweis.visible) f.me.geometry.height = f.lblhinweis.geometry.top;
    return true;
}

void optkasten_Click(PrintWindowModel& f, int index) {
    f.kasten = index;
    for (int box = 1; box <= 5; ++box) f.optkasten[box].checked = box == index;
}

void cmdausdruck_Click(FilesContext& app, PrintWindowModel& f) {
    if (f.kasten == 0) {
        app.msgBox("Bitte wählen Sie zuerst den Kasten, der gedruckt werden soll.",
                   FilesContext::kTitle, Buttons::OK, Icon::Information);
        return;
    }
    Printer& printer = *app.platform.printer();
    const std::string remembered = printer.currentDevice();
    printBox(app, f, printer);
    if (!remembered.empty()) printer.select(remembered);
}

void Command1_Click(PrintWindowModel& f) {
    f.me.visible = false;
}

void mnuprint_Click(FilesContext& app) {
    app.onTopBracket([&] { app.platform.showPrintWindow(); });
}

}  // namespace memvalo
