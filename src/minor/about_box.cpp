#include "minor/about_box.h"

#include <utility>

#include "core/codec.h"
#include "core/maker.h"
#include "core/safe_file.h"
#include "settings/window_geometry.h"

namespace memvalo {

namespace {

std::string resourceFile(int id) {
    return id == kShortManual ? "kurzanleitung.txt" : "";
}

// The manual's contact block names the maker as the rest of the program does.
std::string withMakerAddresses(std::string text) {
    const std::pair<std::string_view, std::string_view> fields[] = {
        {"{Hersteller}", kMakerName}, {"{EMail}", kSupportAddress}, {"{Homepage}", kHomePage}};
    for (const auto& [field, value] : fields) {
        for (std::size_t at; (at = text.find(field)) != std::string::npos;) {
            text.replace(at, field.size(), value);
        }
    }
    return text;
}

}  // namespace

FrmInfoModel::FrmInfoModel() {
    me.caption = "Über Memvalo";
    place(lblversion, 16, 12, 568, 22);
    lblversion.font.bold = true;
    place(txtinfo, 16, 40, 568, 380);
    txtinfo.locked = true;
    txtinfo.multiLine = true;
    lblcopy.caption = "Memvalo \xC2\xA9 " + std::string(kMakerName);
    place(lblcopy, 16, 430, 568, 20);
    lblhomepage.caption = std::string(kHomePage);
    place(lblhomepage, 16, 452, 568, 20);
    cmdinfoend.caption = "&OK";
    place(cmdinfoend, 484, 480, 100, 28);
}

std::string LoadRTFFromRes(const FilesContext& app, int id) {
    const std::string path = app.paths.programFolder + resourceFile(id);
    std::string bytes;
    if (resourceFile(id).empty() || readWholeFile(path, bytes)) {
        return "Die Kurzanleitung fehlt: Die Datei " + path + " kann nicht gelesen werden.";
    }
    return cp1252ToUtf8(bytes);
}

void frminfo_Load(FilesContext& app, FrmInfoModel& f) {
    centreOverMainWindow(app, f.me, 600, 520);
    f.lblversion.caption = app.paths.version;
    f.txtinfo.caption = withMakerAddresses(LoadRTFFromRes(app, kShortManual));
    f.cmdinfoend.focusRequested = true;
}

void lblhomepage_Click(FilesContext& app) {
    app.platform.openDocument(std::string(kHomePage));
}

void cmdinfoend_Click(FrmInfoModel& f) {
    f.me.visible = false;
}

void mnuüber_Click(FilesContext& app) {
    FrmInfoModel f;
    app.onTopBracket([&] { app.platform.showAboutBox(f); });
}

}  // namespace memvalo
