#include "minor/developer_window.h"

namespace memvalo {

namespace {

constexpr int kTwips = 15;  // per pixel
constexpr int kRow = 22 * kTwips;

}  // namespace

Control& FrmDebugModel::add(const std::string& name, ControlKind kind) {
    Control& c = controls_[name];
    c.kind = kind;
    return c;
}

FrmDebugModel::FrmDebugModel() {
    me.caption = "Überwachung";
    me.geometry = {0, 0, 420 * kTwips, 12 * kTwips + 7 * kRow + 12 * kTwips};
    for (int box = 1; box <= 5; ++box) {
        const int top = 12 * kTwips + (box - 1) * kRow;
        lblanzahl[box].geometry = {16 * kTwips, top, 190 * kTwips, kRow};
        lblsoll[box].geometry = {214 * kTwips, top, 190 * kTwips, kRow};
    }
    lbldatei.geometry = {16 * kTwips, 12 * kTwips + 5 * kRow, 388 * kTwips, kRow};
    lblbildschirm.geometry = {16 * kTwips, 12 * kTwips + 6 * kRow, 388 * kTwips, kRow};
}

void frmdebug_Timer(const App& app, FrmDebugModel& f) {
    for (int box = 1; box <= 5; ++box) {
        const std::string number = std::to_string(box);
        f.lblanzahl[box].caption =
            "k" + number + "anz: " + std::to_string(app.store.k(box).anz) + " Karten";
        f.lblsoll[box].caption = "soll(" + std::to_string(box - 1) +
                                 "): " + std::to_string(app.store.soll[static_cast<std::size_t>(box - 1)]) + " Karten";
    }
    f.lbldatei.caption = "Lerndatei: " + (app.setPath.empty() ? "(keine)" : app.setPath);
    f.lblbildschirm.caption = "Bildschirm: " + std::to_string(app.settings.screenWidth / kTwips) +
                              " x " + std::to_string(app.settings.screenHeight / kTwips) +
                              " Pixel";
}

}  // namespace memvalo
