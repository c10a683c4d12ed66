#include "ui/caption_button.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/fitting_font.h"

namespace memvalo {

namespace {

constexpr int kMargin = 3;
// An "&" in the caption underlines the access key that presses the button with Alt.
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;

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

QRect CaptionButton::captionRoom() const {
    QRect room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (isDown()) room.translate(1, 1);
    return room;
}

QFont CaptionButton::captionFont() const {
    return fittingFont(font(), text(), captionRoom(), kCaptionFlags);
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
    painter.setFont(captionFont());
    painter.setPen(ink);
    painter.drawText(captionRoom(), kCaptionFlags, text());
}

}  // namespace memvalo
