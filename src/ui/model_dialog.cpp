#include "ui/model_dialog.h"

#include <QGroupBox>
#include <QPushButton>

#include "ui/control_widgets.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

QRect pixels(const Geometry& g) {
    return {g.left / kTwipsPerPx, g.top / kTwipsPerPx, g.width / kTwipsPerPx,
            g.height / kTwipsPerPx};
}

}  // namespace

ModelDialog::ModelDialog(std::string form, QWidget* parent)
    : QDialog(parent), form_(std::move(form)) {
    setObjectName(toQt(form_));
}

QWidget* ModelDialog::add(const std::string& name, QWidget* container, bool multiLine) {
    QWidget* parent = container ? container : this;
    const Control& c = controls_->at(name);
    QWidget* w = nullptr;
    // The program's small windows have buttons of the desktop's own style.
    if (c.kind == ControlKind::Button) {
        w = new QPushButton(parent);
        w->setObjectName(toQt(name));
    } else {
        w = createControlWidget(name, c, parent, multiLine);
    }
    widgets_.emplace_back(name, w);
    return w;
}

QGroupBox* ModelDialog::addFrame(const std::string& name) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(toQt(name));
    frames_.emplace_back(name, frame);
    return frame;
}

QWidget* ModelDialog::widget(const std::string& name) const {
    for (const auto& [n, w] : widgets_) {
        if (n == name) return w;
    }
    return nullptr;
}

void ModelDialog::forward(const std::function<void()>& procedure) {
    for (auto& [name, w] : widgets_) readBackControl(controls_->at(name), w);
    procedure();
    sync();
    if (!controls_->at(form_).visible) accept();
}

void ModelDialog::sync() {
    const Control& me = controls_->at(form_);
    setWindowTitle(displayText(me.caption));
    const QRect place = pixels(me.geometry);
    setFixedSize(place.size());
    // A window the model does not place opens over the window it belongs to.
    if (place.topLeft() != QPoint(0, 0)) move(place.topLeft());
    for (auto& [name, frame] : frames_) {
        const Control& c = controls_->at(name);
        frame->setTitle(displayText(c.caption));
        frame->setGeometry(pixels(c.geometry));
        frame->setVisible(c.visible);
    }
    // Nothing but the window's own face lies beneath its controls.
    const Backdrop face = [this](const QRect&) {
        return std::vector<QColor>{palette().color(QPalette::Window)};
    };
    for (auto& [name, w] : widgets_) applyControl(controls_->at(name), w, face);
}

}  // namespace memvalo
