#include "ui/text_progress_bar.h"

#include <QPainter>

#include "ui/colour_contrast.h"

namespace memvalo {

void TextProgressBar::setCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    update();
}

void TextProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor back = palette().color(QPalette::Base);
    const QColor chunk = palette().color(QPalette::Highlight);
    painter.fillRect(rect(), back);
    const int range = maximum() - minimum();
    const double share = range > 0 ? static_cast<double>(value() - minimum()) / range : 0;
    QRect filled = rect().adjusted(1, 1, -1, -1);
    filled.setWidth(static_cast<int>(filled.width() * share));
    painter.fillRect(filled, chunk);
    painter.setPen(back.darker(150));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The text takes the ink that reads best on what lies beneath each part of it.
    const QColor text = palette().color(QPalette::Text);
    painter.setClipRect(filled);
    const double needed = neededContrast(font());
    painter.setPen(readableInk(text, {chunk}, needed));
    painter.drawText(rect(), Qt::AlignCenter, caption_);
    painter.setClipRegion(QRegion(rect()).subtracted(filled));
    painter.setPen(readableInk(text, {back}, needed));
    painter.drawText(rect(), Qt::AlignCenter, caption_);
}

}  // namespace memvalo
