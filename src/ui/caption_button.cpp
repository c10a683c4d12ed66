#include "ui/caption_button.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/fitting_font.h"

namespace memvalo {

namespace {

constexpr int kMargin = 3;

void paintFace(QPainter& painter, const QRectF& frame, const QColor& face, bool down) {
    const std::vector<QColor> shades = CaptionButton::faceShades(face);
    QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
    shade.setColorAt(0, down ? shades[1] : shades[0]);
    shade.setColorAt(1, down ? shades[0] : shades[1]);
    painter.setPen(face.darker(170));
    painter.setBrush(shade);
    painter.drawRoundedRect(frame, 4, 4);
}

}  // namespace

std::vector<QColor> CaptionButton::faceShades(const QColor& face) {
    return {face.lighter(115), face.darker(110)};
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = palette().color(QPalette::Button);
    // The program's colours are the same in every state; a disabled caption fades into the face.
    QColor ink = palette().color(QPalette::ButtonText);
    if (!isEnabled()) {
        ink.setRgbF((ink.redF() + face.redF()) / 2, (ink.greenF() + face.greenF()) / 2,
                    (ink.blueF() + face.blueF()) / 2);
    }
    paintFace(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), face, isDown());
    if (hasFocus()) {
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
    QRect room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (isDown()) room.translate(1, 1);
    painter.setFont(fittingFont(font(), text(), room, Qt::AlignCenter));
    painter.setPen(ink);
    painter.drawText(room, Qt::AlignCenter, text());
}

}  // namespace memvalo
