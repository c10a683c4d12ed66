#include "print/print_target.h"

#include <algorithm>

#include "core/busy_pointer.h"
#include "core/paths.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

void tell(FilesContext& app, const std::string& text) {
    app.msgBox(text, FilesContext::kTitle, Buttons::OK, Icon::Exclamation);
}

std::string quoted(const std::string& name) {
    return "'" + name + "'";
}

std::optional<std::string> askPdfFile(FilesContext& app, const std::string& suggestedName) {
    FileDialog dialog;
    dialog.title = "Als PDF-Datei drucken";
    dialog.filter = "PDF-Datei (*.pdf)|*.pdf";
    // Beside the open set, else where the last set was, else in the learner's documents.
    for (const std::string& path : {app.setPath, app.frm1.lblinidir.caption}) {
        if (dialog.initialFolder.empty()) dialog.initialFolder = GetPathOrFileName(path, true);
    }
    if (dialog.initialFolder.empty()) dialog.initialFolder = app.platform.documentsFolder();
    dialog.fileName = suggestedName;
    dialog.overwritePrompt = true;
    // So that the overwrite question sees the name the file will really get.
    dialog.defaultSuffix = "pdf";
    auto path = app.onTopBracket([&] { return app.platform.saveFileDialog(dialog); });
    if (!path || path->empty()) return std::nullopt;
    if (utf8::lower(utf8::right(*path, 4)) != ".pdf") *path += ".pdf";
    return path;
}

}  // namespace

PrinterList GetPrinters(Printer& printer) {
    PrinterList list;
    list.names = printer.deviceNames();
    const auto current = std::find(list.names.begin(), list.names.end(), printer.currentDevice());
    list.current = static_cast<std::size_t>(current - list.names.begin());
    list.names.emplace_back(kPdfDevice);
    return list;
}

std::optional<PrintTarget> chooseTarget(FilesContext& app, Printer& printer,
                                        const std::string& entry,
                                        const std::string& suggestedPdfName) {
    if (entry == kPdfDevice) {
        auto path = askPdfFile(app, suggestedPdfName);
        if (!path) return std::nullopt;
        return PrintTarget{"", *path};
    }
    if (!printer.select(entry)) {
        tell(app, "Der Drucker " + quoted(entry) + " ist nicht (mehr) eingerichtet." + "\r" +
                      "Bitte wählen Sie einen anderen Drucker oder 'PDF-Datei'.");
        return std::nullopt;
    }
    return PrintTarget{entry, ""};
}

bool runPrintJob(FilesContext& app, Printer& printer, const PrintTarget& target,
                 const std::string& title, const std::function<void(PrintJob&)>& print) {
    enum class Outcome { Printed, Refused, Failed };
    const Outcome outcome = [&] {
        const BusyPointer busy(app.platform);
        PrintJob job(printer);
        if (!job.begin(title, target.pdfPath)) return Outcome::Refused;
        print(job);
        return job.end() ? Outcome::Printed : Outcome::Failed;
    }();
    if (outcome == Outcome::Printed) return true;
    if (!target.pdfPath.empty()) {
        tell(app, "Die PDF-Datei " + quoted(target.pdfPath) +
                      " kann nicht geschrieben werden.\rIst der Ordner schreibgeschützt oder der "
                      "Datenträger voll?");
    } else if (outcome == Outcome::Refused) {
        tell(app, "Der Drucker " + quoted(target.device) +
                      " nimmt den Druckauftrag nicht an.\rEs wurde nichts gedruckt.");
    } else {
        tell(app,
             "Der Druckauftrag an den Drucker " + quoted(target.device) + " ist fehlgeschlagen.");
    }
    return false;
}

}  // namespace memvalo
