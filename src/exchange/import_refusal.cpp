#include "exchange/import_refusal.h"

namespace memvalo {

std::string refusalText(const std::string& path, const std::string& reason) {
    return "Die Datei »" + path + "« kann nicht importiert werden: " + reason + ".";
}

std::string expansionLimitReason() {
    return "entpackt wäre sie größer als 1 GB";
}

}  // namespace memvalo
