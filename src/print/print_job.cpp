#include "print/print_job.h"

namespace memvalo {

PrintJob::~PrintJob() {
    if (open_) printer_.abortDocument();
}

bool PrintJob::begin(const std::string& title, const std::string& pdfPath) {
    open_ = printer_.beginDocument(title, pdfPath);
    currentX = 0;
    currentY = 0;
    return open_;
}

bool PrintJob::end() {
    open_ = false;
    return printer_.endDocument();
}

void PrintJob::newPage() {
    printer_.newPage();
    currentX = 0;
    currentY = 0;
}

}  // namespace memvalo
