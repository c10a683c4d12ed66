#include "ui/gradient_painter.h"

#include <QLinearGradient>

#include "ui/qt_text.h"

namespace memvalo {

void paintGradient(QPainter& painter, const QRect& area, const Gradient& gradient) {
    // The gradient runs from its dark edge towards the named direction.
    QPointF from;
    QPointF to;
    switch (gradient.direction) {
        case GradientDirection::Up:
            from = area.bottomLeft();
            to = area.topLeft();
            break;
        case GradientDirection::Down:
            from = area.topLeft();
            to = area.bottomLeft();
            break;
        case GradientDirection::Left:
            from = area.topRight();
            to = area.topLeft();
            break;
        case GradientDirection::Right:
            from = area.topLeft();
            to = area.topRight();
            break;
    }
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
