#include "minor/developer_window.h"

#include <algorithm>

#include "settings/window_geometry.h"

namespace memvalo {

namespace {

constexpr int kRow = 22;

}  // namespace

FrmDebugModel::FrmDebugModel() {
    me.caption = "Überwachung";
    place(me, 0, 0, 420, 24 + 7 * kRow);
    for (int box = 1; box <= 5; ++box) {
        const int top = 12 + (box - 1) * kRow;
        place(lblanzahl[box], 16, top, 190, kRow);
        place(lblsoll[box], 214, top, 190, kRow);
    }
    place(lbldatei, 16, 12 + 5 * kRow, 388, kRow);
    place(lblbildschirm, 16, 12 + 6 * kRow, 388, kRow);
}

void frmdebug_Load(const FilesContext& app, FrmDebugModel& f) {
    const Geometry& main = app.frm1.me.geometry;
    Geometry& g = f.me.geometry;
    g.left = std::max(0, main.left + main.width - g.width);
    g.top = std::max(0, main.top + 60 * kTwipsPerPixel);
    frmdebug_Timer(app, f);
}

void frmdebug_Timer(const FilesContext& app, FrmDebugModel& f) {
    for (int box = 1; box <= 5; ++box) {
        const std::string number = std::to_string(box);
        f.lblanzahl[box].caption =
            "k" + number + "anz: " + std::to_string(app.store.k(box).anz) + " Karten";
        f.lblsoll[box].caption =
            "soll(" + std::to_string(box - 1) +
            "): " + std::to_string(app.store.soll[static_cast<std::size_t>(box - 1)]) + " Karten";
    }
    f.lbldatei.caption = "Lerndatei: " + (app.setPath.empty() ? "(keine)" : app.setPath);
    f.lblbildschirm.caption =
        "Bildschirm: " + std::to_string(app.settings.screenWidth / kTwipsPerPixel) + " x " +
        std::to_string(app.settings.screenHeight / kTwipsPerPixel) + " Pixel";
}

}  // namespace memvalo
