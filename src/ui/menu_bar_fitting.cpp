#include "ui/menu_bar_fitting.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionMenuItem>

namespace memvalo {

namespace {

constexpr qreal kSmallestMenuPoint = 6;

}  // namespace

void MenuBarFitting::fit(int width) const {
    const qreal designed = QApplication::font(bar_).pointSizeF();
    QFont font = QApplication::font(bar_);
    for (qreal size = designed; size > kSmallestMenuPoint; size -= 0.5) {
        font.setPointSizeF(size);
        if (neededWidth(font) <= width) break;
    }
    if (bar_->font() != font) bar_->setFont(font);
}

int MenuBarFitting::neededWidth(const QFont& font) const {
    const QStyle* style = bar_->style();
    const QFontMetrics metrics(font);
    const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar_);
    int width = 2 * (style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar_) +
                     style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar_));
    for (QAction* action : bar_->actions()) {
        if (!action->isVisible() || action->isSeparator()) continue;
        QStyleOptionMenuItem option;
        option.initFrom(bar_);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.text = action->text();
        option.fontMetrics = metrics;
        const QSize text = metrics.size(Qt::TextShowMnemonic, action->text());
        width +=
            style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, bar_).width() + spacing;
    }
    return width;
}

}  // namespace memvalo
