#include "files/window_title.h"

namespace memvalo {

void setTitleSuffix(FilesContext& app, const std::string& suffix) {
    app.files.titelzusatz = suffix;
    app.frm1.me.caption = std::string(kProductTitle) + app.paths.version + suffix;
    app.frm1.sevTray1.tooltip = app.frm1.me.caption;
}

void showSetInTitle(FilesContext& app) {
    setTitleSuffix(app, "   Datei: " + GetPathOrFileName(app.setPath, false));
}

}  // namespace memvalo
