#include "ui/fitting_font.h"

#include <QFontMetrics>
#include <QHash>

namespace memvalo {

namespace {

constexpr qreal kSmallestPoint = 5;
// Enough for every label of the program with room to spare; the card texts shown come and go.
constexpr qsizetype kMostRemembered = 1024;

qreal fittingSize(QFont font, const QString& text, const QRect& room, int flags) {
    qreal fitted = font.pointSizeF();
    for (qreal size = fitted; size > kSmallestPoint; size -= 0.5) {
        fitted = size;
        font.setPointSizeF(size);
        const QRect needed = QFontMetrics(font).boundingRect(room, flags, text);
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
    }
    return fitted;
}

}  // namespace

QFont fittingFont(QFont font, const QString& text, const QRect& room, int flags) {
    if (font.pointSizeF() <= 0 || text.isEmpty()) return font;
    // Every refresh of the window fits each label again, nearly always to the same font, text
    // and room: measuring takes font lookups, so each case is measured once.
    static QHash<QString, qreal> sizes;
    const QString key = font.key() + QChar(0) + text + QChar(0) + QString::number(room.width()) +
                        'x' + QString::number(room.height()) + '/' + QString::number(flags);
    auto known = sizes.constFind(key);
    if (known == sizes.constEnd()) {
        if (sizes.size() >= kMostRemembered) sizes.clear();
        known = sizes.insert(key, fittingSize(font, text, room, flags));
    }
    font.setPointSizeF(*known);
    return font;
}

}  // namespace memvalo
