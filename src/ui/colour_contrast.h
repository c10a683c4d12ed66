#pragma once
// How well one colour reads on another, by the relative luminance of the two (1 = not at
// all, 21 = black on white). The Qt layer uses it to keep texts readable in any colour scheme.
#include <QColor>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace memvalo {

inline double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

inline double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Of the candidates, the one that reads best on the background.
inline QColor bestInk(std::initializer_list<QColor> candidates, const QColor& background) {
    QColor best = *candidates.begin();
    for (const QColor& c : candidates) {
        if (contrast(c, background) > contrast(best, background)) best = c;
    }
    return best;
}

}  // namespace memvalo
