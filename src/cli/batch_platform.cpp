#include "cli/batch_platform.h"

#include <ostream>

#include "core/desktop_folders.h"

namespace memvalo {

Answer BatchPlatform::msgBox(const MessageBox& box) {
    std::string text = box.text;
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    err_ << text << '\n';
    switch (box.buttons) {
        case Buttons::OK:
            return Answer::OK;
        case Buttons::OKCancel:
            return okCancelAnswer_;
        case Buttons::RetryCancel:
            return Answer::Cancel;
        case Buttons::AbortRetryIgnore:
            return Answer::Abort;
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return questionAnswer_;
    }
    return Answer::Cancel;
}

ErrorChoice BatchPlatform::reportError(const ErrorReport& report) {
    err_ << "Fehler " << report.number << " in " << report.module << "." << report.procedure << ": "
         << report.description << '\n';
    return ErrorChoice::Leave;
}

std::string BatchPlatform::today() {
    return todayText();
}
std::string BatchPlatform::dataHome() {
    return xdgDataHome();
}
std::string BatchPlatform::documentsFolder() {
    return xdgDocumentsFolder();
}

}  // namespace memvalo
