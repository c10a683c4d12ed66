#include "exchange/window_geometry.h"

namespace memvalo {

namespace {

constexpr int kTwips = 15;

}  // namespace

void place(Control& c, int x, int y, int width, int height) {
    c.geometry = {x * kTwips, y * kTwips, width * kTwips, height * kTwips};
}

void centreOverMainWindow(const App& app, Control& window, int width, int height) {
    const Geometry& main = app.frm1.me.geometry;
    window.geometry.width = width * kTwips;
    window.geometry.height = height * kTwips;
    window.geometry.left = main.left + main.width / 2 - window.geometry.width / 2;
    window.geometry.top = main.top + main.height / 2 - window.geometry.height / 2;
}

}  // namespace memvalo
