#include "minor/closing_fade.h"

#include <algorithm>
#include <cmath>

namespace memvalo {

namespace {

constexpr double kSmallestDelay = 3;
constexpr double kDelayAtEnd = 200;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::chrono::microseconds kPerColour{2500};
constexpr std::chrono::milliseconds kLongest{6500};

std::uint32_t rgb(double red, double green, double blue) {
    const auto part = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
    };
    return part(red) | part(green) << 8 | part(blue) << 16;
}

}  // namespace

void schluß(FilesContext& app) {
    double& delay = app.settings.abspann;
    if (!(delay >= kSmallestDelay)) delay = kDelayAtEnd;
    Control& cover = app.frm1.picende;
    cover.geometry = {0, 0, app.frm1.me.geometry.width, app.frm1.me.geometry.height};
    cover.backColor = kWhite;
    cover.visible = true;
}

std::vector<std::uint32_t> fadeColours(double delay) {
    if (!(delay >= kSmallestDelay)) delay = kDelayAtEnd;
    const double step = delay * 0.001;
    std::vector<std::uint32_t> colours;
    for (double i = 0; i <= 255; i += step) colours.push_back(rgb(i, 99, i));
    for (double i = 255; i >= 0; i -= step) colours.push_back(rgb(i, i, 99));
    return colours;
}

std::chrono::milliseconds fadeDuration(std::size_t colours) {
    const auto wanted = std::chrono::duration_cast<std::chrono::milliseconds>(kPerColour * colours);
    return std::min(wanted, kLongest);
}

}  // namespace memvalo
