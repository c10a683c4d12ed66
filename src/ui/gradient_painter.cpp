#include "ui/gradient_painter.h"

#include <QLinearGradient>
#include <algorithm>
#include <utility>

#include "ui/qt_text.h"

namespace memvalo {

namespace {

// The gradient runs from its dark edge towards the named direction.
std::pair<QPointF, QPointF> run(const QRect& area, GradientDirection direction) {
    switch (direction) {
        case GradientDirection::Up:
            return {area.bottomLeft(), area.topLeft()};
        case GradientDirection::Down:
            return {area.topLeft(), area.bottomLeft()};
        case GradientDirection::Left:
            return {area.topRight(), area.topLeft()};
        case GradientDirection::Right:
            break;
    }
    return {area.topLeft(), area.topRight()};
}

// How far along the run from `from` to `to` the point lies, 0 to 1.
double share(const QPointF& from, const QPointF& to, const QPointF& point) {
    const QPointF span = to - from;
    const double length = QPointF::dotProduct(span, span);
    if (length <= 0) return 0;
    return std::clamp(QPointF::dotProduct(point - from, span) / length, 0.0, 1.0);
}

QColor colourAt(const Gradient& gradient, double t) {
    const QColor dark = toQColor(gradient.dark);
    const QColor light = toQColor(gradient.light);
    const auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return {channel(dark.red(), light.red()), channel(dark.green(), light.green()),
            channel(dark.blue(), light.blue())};
}

}  // namespace

std::vector<QColor> gradientColours(const Gradient& gradient, const QRect& area,
                                    const QRect& place) {
    const auto [from, to] = run(area, gradient.direction);
    return {colourAt(gradient, share(from, to, place.topLeft())),
            colourAt(gradient, share(from, to, place.bottomRight()))};
}

void paintGradient(QPainter& painter, const QRect& area, const Gradient& gradient) {
    const auto [from, to] = run(area, gradient.direction);
    QLinearGradient linear(from, to);
    linear.setColorAt(0, toQColor(gradient.dark));
    linear.setColorAt(1, toQColor(gradient.light));
    painter.fillRect(area, linear);
}

void paintBackground(QPainter& painter, const QRect& area, const std::optional<Gradient>& gradient,
                     const std::optional<std::uint32_t>& colour) {
    if (gradient) {
        paintGradient(painter, area, *gradient);
    } else if (colour) {
        painter.fillRect(area, toQColor(*colour));
    }
}

}  // namespace memvalo
