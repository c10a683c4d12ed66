#include "exchange/file_error.h"

#include <cerrno>

namespace memvalo {

namespace {

struct ClassicError {
    int number;
    const char* description;
};

ClassicError classicError(std::error_code ec) {
    switch (ec.value()) {
        case ENOENT:
        case ENOTDIR:
            return {76, "Pfad nicht gefunden"};
        case EACCES:
        case EPERM:
        case EROFS:
            return {70, "Zugriff verweigert"};
        case ENOSPC:
        case EDQUOT:
            return {61, "Datenträger voll"};
        case EIO:
            return {57, "Fehler beim Lesen/Schreiben des Geräts"};
        default:
            return {75, "Fehler beim Zugriff auf Pfad/Datei"};
    }
}

}  // namespace

std::string fileErrorText(std::error_code ec) {
    const ClassicError e = classicError(ec);
    return std::to_string(e.number) + "\r" + e.description;
}

void showFileError(FilesContext& app, std::error_code ec) {
    app.msgBox(fileErrorText(ec), FilesContext::kTitle);
}

}  // namespace memvalo
