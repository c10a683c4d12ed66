#include "settings/window_geometry.h"

#include <algorithm>

namespace memvalo {

namespace {

// A window wider or taller than the main window still lies wholly on the screen.
int onScreen(int start, int size, int screen) {
    if (screen > 0) start = std::min(start, screen - size);
    return std::max(start, 0);
}

}  // namespace

void place(Control& c, int x, int y, int width, int height) {
    c.geometry = {x * kTwipsPerPixel, y * kTwipsPerPixel, width * kTwipsPerPixel,
                  height * kTwipsPerPixel};
}

void centreOverMainWindow(const Session& app, Control& window, int width, int height) {
    const Geometry& main = app.frm1.me.geometry;
    Geometry& g = window.geometry;
    g.width = width * kTwipsPerPixel;
    g.height = height * kTwipsPerPixel;
    g.left = onScreen(main.left + main.width / 2 - g.width / 2, g.width, app.settings.screenWidth);
    g.top =
        onScreen(main.top + main.height / 2 - g.height / 2, g.height, app.settings.screenHeight);
}

}  // namespace memvalo
