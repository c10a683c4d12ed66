#include "settings/gradient.h"

#include <algorithm>

namespace memvalo {

namespace {

// A parameter of 510 or more gives full intensity at the light edge; the dark edge keeps a
// third of it, so every setting shows a visible run of colour.
int lightChannel(int parameter) {
    return std::clamp(parameter / 2, 0, 255);
}

std::uint32_t rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

}  // namespace

Gradient gradientFor(int red, int green, int blue, int direction) {
    const int r = lightChannel(red);
    const int g = lightChannel(green);
    const int b = lightChannel(blue);
    const int d = std::clamp(direction, 1, 4);
    return {rgb(r / 3, g / 3, b / 3), rgb(r, g, b), static_cast<GradientDirection>(d)};
}

std::optional<Gradient> verlaufsub(const SettingsContext& app) {
    const std::string& scheme = app.settings.farbschema;
    if (scheme == "default") return gradientFor(350, 300, 320, 1);
    if (scheme == "farbverlauf") {
        const auto& v = app.settings.verlauf;
        return gradientFor(v[0], v[1], v[2], v[3]);
    }
    return std::nullopt;
}

}  // namespace memvalo
