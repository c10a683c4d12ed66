#include "files/file_menu.h"

namespace memvalo {

void mnudatei_Click(FilesContext& app) {
    app.frm1.mnudatspeichern.enabled = !app.setPath.empty();
}

void mnugleichauf_Click(FilesContext& app) {
    app.frm1.mnugleichauf.checked = !app.frm1.mnugleichauf.checked;
}

void mnusiko_janein_Click(FilesContext& app) {
    app.frm1.mnusiko_janein.checked = !app.frm1.mnusiko_janein.checked;
}

}  // namespace memvalo
