#include "support/fake_printer.h"

#include <algorithm>

#include "core/utf8.h"

namespace memvalo::test {

bool FakePrinter::select(const std::string& deviceName) {
    if (std::find(devices.begin(), devices.end(), deviceName) == devices.end()) return false;
    current = deviceName;
    return true;
}

bool FakePrinter::beginDocument(const std::string&, const std::string& pdfPath) {
    if (refuseBegin) return false;
    target_ = pdfPath.empty() ? current : pdfPath;
    lines.clear();
    pages = 1;
    return true;
}

double FakePrinter::textWidth(std::string_view text) {
    return static_cast<double>(utf8::length(text)) * font_.size / 5;
}

void FakePrinter::printText(double x, double y, std::string_view text) {
    lines.push_back({pages, x, y, std::string(text), font_});
}

bool FakePrinter::endDocument() {
    if (failEnd) return false;
    jobs.push_back(target_);
    return true;
}

}  // namespace memvalo::test
