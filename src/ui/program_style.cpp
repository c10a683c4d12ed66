#include "ui/program_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace memvalo {

namespace {

// Two arrow heads pointing right, in the grey of Qt's own.
QIcon chevron() {
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.6));
    QPainterPath arrows;
    for (const double x : {4.0, 9.0}) {
        arrows.moveTo(x, 4.0);
        arrows.lineTo(x + 3.5, 8.0);
        arrows.lineTo(x, 12.0);
    }
    painter.drawPath(arrows);
    return QIcon(pixmap);
}

}  // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) return chevron();
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace memvalo
