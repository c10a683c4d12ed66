#include "report/protocol_actions.h"

#include <unistd.h>

#include <filesystem>

#include "core/codec.h"
#include "core/maker.h"
#include "core/safe_file.h"
#include "core/text_encoding.h"
#include "print/print_target.h"
#include "report/err_ptnr.h"
#include "report/error_protocol.h"

namespace memvalo {

namespace {

constexpr std::string_view kTitle = "Fehlerprotokoll";

std::string currentProtocol(FilesContext& app, ErrPtnrModel& f) {
    return protocolText(f, app.platform.today(), app.platform.timeOfDay());
}

bool writableFolder(const std::string& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) && access(folder.c_str(), W_OK) == 0;
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::optional<PrintTarget> printTarget(FilesContext& app, Printer& printer) {
    const std::string device = printer.currentDevice();
    if (!device.empty()) return PrintTarget{device, ""};
    return chooseTarget(app, printer, std::string(kPdfDevice),
                        app.paths.exeName + "-Fehlerprotokoll.pdf");
}

}  // namespace

std::string protocolFilePath(const FilesContext& app) {
    const std::string& program = app.paths.programFolder;
    const std::string folder = writableFolder(program) ? program : app.paths.dataFolder;
    return folder + app.paths.exeName + ".ERR";
}

void printProtocol(FilesContext& app, ErrPtnrModel& f) {
    Printer* printer = app.platform.printer();
    if (printer == nullptr) return;
    const auto target = printTarget(app, *printer);
    if (!target) return;
    const std::vector<std::string> lines = protocolPrintLines(currentProtocol(app, f));
    runPrintJob(app, *printer, *target, std::string(kTitle), [&](PrintJob& job) {
        job.setFont(PrintFont{"", 10, true});
        for (const std::string& line : lines) {
            job.PrintMultilineText(line, 0, 0, 0, 0, true, Align::Left);
        }
    });
}

void saveProtocol(FilesContext& app, ErrPtnrModel& f) {
    const std::string name = protocolFilePath(app);
    if (exists(name) && app.msgBox("Vorhandene Datei '" + name + "' überschreiben ?", kTitle,
                                   Buttons::YesNo, Icon::Question) == Answer::No) {
        return;
    }
    const std::string bytes = utf8ToCp1252(currentProtocol(app, f) + "\r\n");
    if (writeFileAtomically(name, bytes)) {
        app.msgBox(
            "Das Fehlerprotokoll konnte nicht in die Datei '" + name + "' geschrieben werden.",
            kTitle, Buttons::OK, Icon::Exclamation);
        return;
    }
    app.msgBox("Das Fehlerprotokoll wurde in die Datei '" + name + "' geschrieben !", kTitle,
               Buttons::OK, Icon::Information);
}

void mailProtocol(FilesContext& app, ErrPtnrModel& f) {
    app.msgBox(
        "Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung sowie das "
        "Fehlerprotokoll\r\n"
        "wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert.\r\n"
        "\r\n"
        "Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem "
        "Email-Programm\r\n"
        "die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können Sie den Inhalt "
        "in die EMail\r\n"
        "einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' ausführen.",
        kTitle, Buttons::OK, Icon::Information);
    app.platform.setClipboardText(currentProtocol(app, f));
    app.platform.openDocument("mailto:" + trimBlanks(kSupportAddress));
}

void showHomePage(FilesContext& app, ErrPtnrModel& f) {
    app.platform.setClipboardText(currentProtocol(app, f));
    app.platform.openDocument(std::string(kHomePage));
}

}  // namespace memvalo
