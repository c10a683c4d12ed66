#include "ui/model_dialog.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <utility>

#include "ui/control_widgets.h"
#include "ui/qt_text.h"

namespace memvalo {

ModelDialog::ModelDialog(ControlMap& controls, const std::string& formName, const FrameOf& frameOf,
                         QWidget* parent)
    : QDialog(parent), controls_(controls), me_(controls.at(formName)) {
    setObjectName(toQt(formName));
    const Geometry& g = me_.geometry;
    setFixedSize(g.width / kTwipsPerPixel, g.height / kTwipsPerPixel);
    move(g.left / kTwipsPerPixel, g.top / kTwipsPerPixel);
    setWindowTitle(toQt(me_.caption));
    // Frames first, so that the controls inside them find their parent.
    for (const bool frames : {true, false}) {
        for (auto& [name, control] : controls_) {
            if (name == formName || (control.kind == ControlKind::Frame) != frames) continue;
            const std::string frame = frameOf ? std::string(frameOf(name)) : std::string();
            QWidget* parentWidget = frame.empty() ? this : widgets_.at(frame);
            if (QWidget* widget =
                    createControlWidget(name, control, parentWidget, control.multiLine)) {
                // Status texts and notes run over several lines rather than shrink.
                if (auto* label = qobject_cast<QLabel*>(widget)) label->setWordWrap(true);
                widgets_[name] = widget;
            }
        }
    }
    groupOptions();
    sync();
}

// The option buttons that lie side by side exclude each other, and only each other: Qt's own
// grouping would also reach into the frames.
void ModelDialog::groupOptions() {
    std::map<QWidget*, QButtonGroup*> groups;
    for (auto& [name, widget] : widgets_) {
        auto* option = qobject_cast<QRadioButton*>(widget);
        if (option == nullptr) continue;
        QButtonGroup*& group = groups[option->parentWidget()];
        if (group == nullptr) group = new QButtonGroup(this);
        group->addButton(option);
    }
}

void ModelDialog::onClick(const std::string& control, std::function<void()> procedure) {
    auto* button = qobject_cast<QAbstractButton*>(widgets_.at(control));
    connect(button, &QAbstractButton::clicked, this,
            [this, procedure = std::move(procedure)] { forward(procedure); });
}

void ModelDialog::onChange(const std::string& control, std::function<void()> procedure) {
    if (auto* list = qobject_cast<QComboBox*>(widgets_.at(control))) {
        connect(list, &QComboBox::activated, this,
                [this, procedure = std::move(procedure)] { forward(procedure); });
        return;
    }
    auto* slider = qobject_cast<QAbstractSlider*>(widgets_.at(control));
    connect(slider, &QAbstractSlider::valueChanged, this,
            [this, procedure = std::move(procedure)] { forward(procedure); });
}

void ModelDialog::onLink(const std::string& control, std::function<void()> procedure) {
    auto* label = qobject_cast<QLabel*>(widgets_.at(control));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setTextFormat(Qt::RichText);
    links_.push_back(control);
    connect(label, &QLabel::linkActivated, this,
            [this, procedure = std::move(procedure)] { forward(procedure); });
    sync();
}

void ModelDialog::setBuddy(const std::string& label, const std::string& control) {
    qobject_cast<QLabel*>(widgets_.at(label))->setBuddy(widgets_.at(control));
}

void ModelDialog::setTabOrder(const std::vector<std::string>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(widgets_.at(controls[i - 1]), widgets_.at(controls[i]));
    }
}

void ModelDialog::sync() {
    syncing_ = true;
    // The window keeps the desktop's own face beneath every control.
    const Backdrop backdrop = [this](const QRect&) {
        return std::vector<QColor>{palette().color(QPalette::Window)};
    };
    for (auto& [name, widget] : widgets_) applyControl(controls_.at(name), widget, backdrop);
    for (const std::string& name : links_) {
        const QString caption = toQt(controls_.at(name).caption).toHtmlEscaped();
        qobject_cast<QLabel*>(widgets_.at(name))
            ->setText(QStringLiteral("<a href=\"link\">%1</a>").arg(caption));
    }
    syncing_ = false;
}

void ModelDialog::reject() {
    if (close_) {
        forward(close_);
    } else {
        QDialog::reject();
    }
}

int ModelDialog::exec() {
    const int result = QDialog::exec();
    if (fault_) std::rethrow_exception(std::exchange(fault_, nullptr));
    return result;
}

void ModelDialog::forward(const std::function<void()>& procedure) {
    if (syncing_) return;
    for (auto& [name, widget] : widgets_) readBackControl(controls_.at(name), widget);
    try {
        procedure();
    } catch (...) {
        fault_ = std::current_exception();
        QDialog::done(QDialog::Rejected);
        return;
    }
    sync();
    if (!me_.visible) accept();
}

}  // namespace memvalo
