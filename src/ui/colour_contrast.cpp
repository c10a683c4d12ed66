#include "ui/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace memvalo {

namespace {

constexpr int kSteps = 40;

QColor mixed(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(channel(from.redF(), to.redF())),
                            static_cast<float>(channel(from.greenF(), to.greenF())),
                            static_cast<float>(channel(from.blueF(), to.blueF())));
}

double contrastOfLuminances(double la, double lb) {
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast of ink over any of the backgrounds, given by their luminances: a window
// asks this for every control, so each background's luminance is worked out only once.
double worstContrast(const QColor& ink, const std::vector<double>& backgrounds) {
    const double li = luminance(ink);
    double worst = 21;
    for (const double lb : backgrounds) worst = std::min(worst, contrastOfLuminances(li, lb));
    return worst;
}

}  // namespace

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    return contrastOfLuminances(luminance(a), luminance(b));
}

double neededContrast(const QFont& font) {
    const double points = font.pointSizeF();
    const bool large = points >= 18 || (font.bold() && points >= 14);
    return large ? 3 : 4.5;
}

QColor readableInk(const QColor& ink, const std::vector<QColor>& backgroundColours, double needed) {
    if (backgroundColours.empty()) return ink;
    std::vector<double> backgrounds;
    backgrounds.reserve(backgroundColours.size());
    for (const QColor& back : backgroundColours) backgrounds.push_back(luminance(back));
    if (worstContrast(ink, backgrounds) >= needed) return ink;
    // Over a run of colours from dark to light no ink may reach it: then the best there is.
    QColor best = ink;
    double bestContrast = worstContrast(ink, backgrounds);
    for (int step = 1; step <= kSteps; ++step) {
        for (const QColor& end : {QColor(Qt::black), QColor(Qt::white)}) {
            const QColor candidate = mixed(ink, end, static_cast<double>(step) / kSteps);
            const double reached = worstContrast(candidate, backgrounds);
            if (reached >= needed) return candidate;
            if (reached > bestContrast) {
                best = candidate;
                bestContrast = reached;
            }
        }
    }
    return best;
}

}  // namespace memvalo
