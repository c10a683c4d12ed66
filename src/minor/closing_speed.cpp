#include "minor/closing_speed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace memvalo {

namespace {

constexpr int kTwips = 15;  // per pixel
// The scroll bar's ends: from a fade of well under a second to one of some seconds.
constexpr int kFastest = 3000;
constexpr int kSlowest = 200;
// The delay the window offers when none is set.
constexpr double kOffered = 260;

}  // namespace

Control& FrmZeitModel::add(const std::string& name, ControlKind kind) {
    Control& c = controls_[name];
    c.kind = kind;
    return c;
}

FrmZeitModel::FrmZeitModel() {
    me.caption = "Abspanngeschwindigkeit";
    me.geometry = {0, 0, 440 * kTwips, 268 * kTwips};
    Label1.caption = "schnell";
    Label1.geometry = {16 * kTwips, 20 * kTwips, 64 * kTwips, 20 * kTwips};
    scrollzeit.min = kFastest;
    scrollzeit.max = kSlowest;
    scrollzeit.geometry = {84 * kTwips, 20 * kTwips, 272 * kTwips, 20 * kTwips};
    scrollzeit.focusRequested = true;
    Label2.caption = "langsam";
    Label2.geometry = {364 * kTwips, 20 * kTwips, 64 * kTwips, 20 * kTwips};
    lblwert.geometry = {84 * kTwips, 46 * kTwips, 272 * kTwips, 20 * kTwips};
    txtinfo.caption =
        "INFO: Beim Beenden blendet Memvalo sein Fenster mit einem Farbverlauf aus. Mit dem "
        "Schieberegler stellen Sie ein, wie schnell das geht: nach links schneller, nach "
        "rechts langsamer. Die Zahl darunter ist die Schrittweite des Farbverlaufs.\r\n"
        "Ein Tastendruck oder Mausklick beendet den Abspann sofort.";
    txtinfo.locked = true;
    txtinfo.geometry = {16 * kTwips, 76 * kTwips, 408 * kTwips, 140 * kTwips};
    cmdzeitzurück.caption = "&Zurück";
    cmdzeitzurück.geometry = {324 * kTwips, 226 * kTwips, 100 * kTwips, 28 * kTwips};
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

void frmzeit_Load(App& app, FrmZeitModel& f) {
    double& delay = app.settings.abspann;
    if (delay == 0) delay = kOffered;
    // A delay beyond the bar's ends puts the bar at the nearer end; the delay stays until the
    // bar is moved.
    const double onBar = std::isfinite(delay) ? std::clamp<double>(delay, kSlowest, kFastest) : kSlowest;
    f.scrollzeit.value = static_cast<int>(std::nearbyint(onBar));
    f.lblwert.caption = delayText(delay);
}

void scrollzeit_Change(App& app, FrmZeitModel& f) {
    app.settings.abspann = f.scrollzeit.value;
    f.lblwert.caption = delayText(app.settings.abspann);
}

void cmdzeitzurück_Click(FrmZeitModel& f) {
    f.me.visible = false;
}

void mnuabspann_Click(App& app) {
    if (app.showClosingSpeedWindow) app.onTopBracket([&] { app.showClosingSpeedWindow(app); });
}

}  // namespace memvalo
