#include "ui/fitting_font.h"

#include <QFontMetrics>

namespace memvalo {

namespace {

constexpr qreal kSmallestPoint = 5;

}  // namespace

QFont fittingFont(QFont font, const QString& text, const QRect& room, int flags) {
    if (font.pointSizeF() <= 0 || text.isEmpty()) return font;
    for (qreal size = font.pointSizeF(); size > kSmallestPoint; size -= 0.5) {
        font.setPointSizeF(size);
        const QRect needed = QFontMetrics(font).boundingRect(room, flags, text);
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
    }
    return font;
}

}  // namespace memvalo
