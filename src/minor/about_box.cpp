#include "minor/about_box.h"

#include <utility>

#include "core/codec.h"
#include "core/maker.h"
#include "core/safe_file.h"

namespace memvalo {

namespace {

constexpr int kTwips = 15;  // per pixel

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

Control& FrmInfoModel::add(const std::string& name, ControlKind kind) {
    Control& c = controls_[name];
    c.kind = kind;
    return c;
}

FrmInfoModel::FrmInfoModel() {
    me.caption = "Über Memvalo";
    me.geometry = {0, 0, 600 * kTwips, 520 * kTwips};
    lblversion.geometry = {16 * kTwips, 12 * kTwips, 568 * kTwips, 22 * kTwips};
    lblversion.font.bold = true;
    txtinfo.geometry = {16 * kTwips, 40 * kTwips, 568 * kTwips, 380 * kTwips};
    txtinfo.locked = true;
    lblcopy.caption = "Memvalo \xC2\xA9 " + std::string(kMakerName);
    lblcopy.geometry = {16 * kTwips, 432 * kTwips, 568 * kTwips, 20 * kTwips};
    lblhomepage.caption = std::string(kHomePage);
    lblhomepage.geometry = {16 * kTwips, 454 * kTwips, 568 * kTwips, 20 * kTwips};
    cmdinfoend.caption = "&OK";
    cmdinfoend.geometry = {484 * kTwips, 480 * kTwips, 100 * kTwips, 28 * kTwips};
}

std::string LoadRTFFromRes(const App& app, int id) {
    const std::string path = app.paths.programFolder + resourceFile(id);
    std::string bytes;
    if (resourceFile(id).empty() || readWholeFile(path, bytes)) {
        return "Die Kurzanleitung fehlt: Die Datei " + path + " kann nicht gelesen werden.";
    }
    return cp1252ToUtf8(bytes);
}

void frminfo_Load(App& app, FrmInfoModel& f) {
    f.lblversion.caption = app.paths.version;
    f.txtinfo.caption = withMakerAddresses(LoadRTFFromRes(app, kShortManual));
    f.cmdinfoend.focusRequested = true;
}

void lblhomepage_Click(App& app) {
    app.platform.openDocument(std::string(kHomePage));
}

void cmdinfoend_Click(FrmInfoModel& f) {
    f.me.visible = false;
}

void mnuüber_Click(App& app) {
    if (app.showAboutBox) app.onTopBracket([&] { app.showAboutBox(app); });
}

}  // namespace memvalo
