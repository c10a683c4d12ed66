#pragma once
// Where a printout goes: one of the installed printers or a PDF file. Shared by every window
// that prints.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/files_context.h"
#include "print/print_job.h"

namespace memvalo {

// The entry after the installed printers that prints into a PDF file.
inline constexpr std::string_view kPdfDevice = "PDF-Datei";

// The entries to choose from: the installed printers in the system's order, then "PDF-Datei";
// current is the entry of the current printer ("PDF-Datei" when there is no printer).
struct PrinterList {
    std::vector<std::string> names;
    std::size_t current = 0;
};
PrinterList GetPrinters(Printer& printer);

struct PrintTarget {
    std::string device;   // the printer's device name; empty for a PDF file
    std::string pdfPath;  // the PDF file; empty for a printer
};

// Makes the chosen entry the target: selects the printer of that name, or asks for the name of
// the PDF file (".pdf" is added when it is missing). nullopt when nothing is to be printed:
// the user cancelled, or was told why not.
std::optional<PrintTarget> chooseTarget(FilesContext& app, Printer& printer,
                                        const std::string& entry,
                                        const std::string& suggestedPdfName);

// Begins the document, lets `print` fill it and ends it; a printer or file that fails is
// reported to the user. True when the document reached the printer or the file.
bool runPrintJob(FilesContext& app, Printer& printer, const PrintTarget& target,
                 const std::string& title, const std::function<void(PrintJob&)>& print);

}  // namespace memvalo
