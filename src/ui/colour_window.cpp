#include "ui/colour_window.h"

#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "app/app.h"
#include "settings/gradient.h"
#include "ui/control_widgets.h"
#include "ui/gradient_painter.h"
#include "ui/qt_text.h"

namespace memvalo {

ColourWindow::ColourWindow(App& app, std::function<void()> afterChange, QWidget* parent)
    : QDialog(parent), app_(app), afterChange_(std::move(afterChange)), area_(new QWidget(this)) {
    setObjectName(QStringLiteral("frmfarb"));
    auto* menuBar = new QMenuBar(this);
    QAction* back = menuBar->addAction(QStringLiteral("&zurück"));
    back->setObjectName(QStringLiteral("mnuzurück"));
    connect(back, &QAction::triggered, this,
            [this] { forward([this] { cmdfarbende_Click(model_); }); });
    const int menuHeight = menuBar->sizeHint().height();

    applyColourWindowLayout(model_);
    frmfarb_Load(app_, model_);
    const Geometry& g = model_.me.geometry;
    setFixedSize(g.width / kTwipsPerPixel, g.height / kTwipsPerPixel + menuHeight);
    menuBar->setGeometry(0, 0, width(), menuHeight);
    area_->setGeometry(0, menuHeight, width(), height() - menuHeight);

    for (auto& [name, control] : model_.controls()) {
        QWidget* widget = createControlWidget(name, control, area_, true);
        if (widget == nullptr) continue;
        widgets_[name] = widget;
    }
    for (int i = 0; i < 9; ++i) {
        auto* button =
            qobject_cast<QPushButton*>(widgets_.at("cmdauswahl(" + std::to_string(i) + ")"));
        connect(button, &QPushButton::clicked, this,
                [this, i] { forward([this, i] { cmdauswahl_Click(app_, model_, i); }); });
    }
    const char* scrollBars[] = {"scrollred", "scrollgreen", "scrollblue", "scrollrichtung"};
    for (int i = 0; i < 4; ++i) {
        auto* bar = qobject_cast<QScrollBar*>(widgets_.at(scrollBars[i]));
        connect(bar, &QScrollBar::valueChanged, this,
                [this, i] { forward([this, i] { scroll_Change(app_, model_, i); }); });
    }
    connect(qobject_cast<QPushButton*>(widgets_.at("cmdfarbende")), &QPushButton::clicked, this,
            [this] { forward([this] { cmdfarbende_Click(model_); }); });
    setWindowTitle(toQt(model_.me.caption));
    sync();
}

void ColourWindow::forward(const std::function<void()>& procedure) {
    if (syncing_) return;
    for (auto& [name, widget] : widgets_) readBackControl(model_.controls().at(name), widget);
    procedure();
    sync();
    if (afterChange_) afterChange_();
    if (!model_.me.visible) accept();
}

void ColourWindow::sync() {
    syncing_ = true;
    // The controls lie on the area below the menu; the window paints beneath both.
    const Backdrop backdrop = [this](const QRect& place) {
        const QRect inWindow = place.translated(area_->pos());
        if (previewsGradient(app_)) {
            if (const auto gradient = verlaufsub(app_)) {
                return gradientColours(*gradient, rect(), inWindow);
            }
        }
        if (model_.me.backColor) return std::vector<QColor>{toQColor(*model_.me.backColor)};
        return std::vector<QColor>{palette().color(QPalette::Window)};
    };
    for (auto& [name, widget] : widgets_) {
        applyControl(model_.controls().at(name), widget, backdrop);
    }
    update();
    syncing_ = false;
}

void ColourWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::optional<Gradient> preview =
        previewsGradient(app_) ? verlaufsub(app_) : std::optional<Gradient>();
    paintBackground(painter, rect(), preview, model_.me.backColor);
}

void showColourWindow(App& app, QWidget* parent, const std::function<void()>& afterChange) {
    ColourWindow window(app, afterChange, parent);
    window.exec();
}

}  // namespace memvalo
