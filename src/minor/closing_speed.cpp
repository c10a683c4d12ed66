#include "minor/closing_speed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "settings/window_geometry.h"

namespace memvalo {

namespace {

// The scroll bar's ends: from a fade of well under a second to one of some seconds.
constexpr int kFastest = 3000;
constexpr int kSlowest = 200;
// The delay the window offers when none is set.
constexpr double kOffered = 260;

}  // namespace

FrmZeitModel::FrmZeitModel() {
    me.caption = "Abspanngeschwindigkeit";
    Label1.caption = "schnell";
    place(Label1, 16, 20, 64, 20);
    scrollzeit.min = kFastest;
    scrollzeit.max = kSlowest;
    place(scrollzeit, 84, 20, 272, 20);
    scrollzeit.focusRequested = true;
    Label2.caption = "langsam";
    place(Label2, 364, 20, 64, 20);
    place(lblwert, 84, 46, 272, 20);
    txtinfo.caption =
        "INFO: Beim Beenden blendet Memvalo sein Fenster mit einem Farbverlauf aus. Mit dem "
        "Schieberegler stellen Sie ein, wie schnell das geht: nach links schneller, nach "
        "rechts langsamer. Die Zahl darunter ist die Schrittweite des Farbverlaufs.\r\n"
        "Ein Tastendruck oder Mausklick beendet den Abspann sofort.";
    txtinfo.locked = true;
    txtinfo.multiLine = true;
    place(txtinfo, 16, 76, 408, 140);
    cmdzeitzurück.caption = "&Zurück";
    place(cmdzeitzurück, 324, 226, 100, 28);
}

std::string delayText(double delay) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", delay * 0.001);
    std::string shown = text;
    while (shown.back() == '0') shown.pop_back();
    if (shown.back() == '.') shown.pop_back();
    for (char& c : shown) {
        if (c == '.') c = ',';
    }
    return shown;
}

void frmzeit_Load(FilesContext& app, FrmZeitModel& f) {
    centreOverMainWindow(app, f.me, 440, 268);
    double& delay = app.settings.abspann;
    if (delay == 0) delay = kOffered;
    // A delay beyond the bar's ends puts the bar at the nearer end; the delay stays until the
    // bar is moved.
    const double onBar =
        std::isfinite(delay) ? std::clamp<double>(delay, kSlowest, kFastest) : kSlowest;
    f.scrollzeit.value = static_cast<int>(std::nearbyint(onBar));
    f.lblwert.caption = delayText(delay);
}

void scrollzeit_Change(FilesContext& app, FrmZeitModel& f) {
    app.settings.abspann = f.scrollzeit.value;
    f.lblwert.caption = delayText(app.settings.abspann);
}

void cmdzeitzurück_Click(FrmZeitModel& f) {
    f.me.visible = false;
}

void mnuabspann_Click(FilesContext& app) {
    FrmZeitModel f;
    app.onTopBracket([&] { app.platform.showClosingSpeedWindow(f); });
}

}  // namespace memvalo
