#include "ui/caption_button.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/colour_contrast.h"

namespace memvalo {

namespace {

constexpr int kMargin = 3;
constexpr qreal kSmallestPoint = 5;
// Below this contrast ratio a caption is hard to read on its face.
constexpr double kReadableContrast = 3;
// An "&" in the caption underlines the access key that presses the button with Alt.
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextShowMnemonic;

// The widget's font, made smaller until the caption fits into `room`.
QFont fittingFont(QFont font, const QString& caption, const QRect& room) {
    if (font.pointSizeF() <= 0) return font;
    for (qreal size = font.pointSizeF(); size > kSmallestPoint; size -= 0.5) {
        font.setPointSizeF(size);
        const QRect needed = QFontMetrics(font).boundingRect(room, kCaptionFlags, caption);
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
    }
    return font;
}

void paintFace(QPainter& painter, const QRectF& frame, const QColor& face, bool down) {
    QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
    shade.setColorAt(0, down ? face.darker(115) : face.lighter(115));
    shade.setColorAt(1, down ? face.lighter(105) : face.darker(110));
    painter.setPen(face.darker(170));
    painter.setBrush(shade);
    painter.drawRoundedRect(frame, 4, 4);
}

}  // namespace

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
    const QColor shadow = luminance(ink) > luminance(face) ? face.darker(200) : face.lighter(160);
    paintFace(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), face, isDown());
    if (hasFocus()) {
        painter.setPen(QPen(shadow, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
    QRect room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (isDown()) room.translate(1, 1);
    painter.setFont(fittingFont(font(), text(), room));
    if (contrast(ink, face) < kReadableContrast) {
        painter.setPen(shadow);
        painter.drawText(room.translated(1, 1), kCaptionFlags, text());
    }
    painter.setPen(ink);
    painter.drawText(room, kCaptionFlags, text());
}

}  // namespace memvalo
