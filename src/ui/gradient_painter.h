#pragma once
// Paints a window background as a colour gradient, or in one plain colour.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <optional>
#include <vector>

#include "settings/gradient.h"

namespace memvalo {

void paintGradient(QPainter& painter, const QRect& area, const Gradient& gradient);

// The colours of the gradient painted over `area` at the two ends of its run across `place`:
// everything painted there lies between them.
std::vector<QColor> gradientColours(const Gradient& gradient, const QRect& area,
                                    const QRect& place);

// A window's background: the gradient when there is one, else the colour, else nothing.
void paintBackground(QPainter& painter, const QRect& area, const std::optional<Gradient>& gradient,
                     const std::optional<std::uint32_t>& colour);

}  // namespace memvalo
