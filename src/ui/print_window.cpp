#include "ui/print_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/app.h"
#include "ui/control_widgets.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

QRect pixels(const Geometry& g) {
    return {g.left / kTwipsPerPixel, g.top / kTwipsPerPixel, g.width / kTwipsPerPixel,
            g.height / kTwipsPerPixel};
}

template <typename W>
W* made(W* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

void applyCommon(const Control& c, QWidget* w) {
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
    w->setToolTip(displayText(c.tooltip));
}

}  // namespace

PrintWindow::PrintWindow(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("frmprint"));
    applyPrintWindowLayout(model_);
    loaded_ = frmprint_Load(app_, model_);
    if (!loaded_) return;
    build();
    sync();
}

void PrintWindow::build() {
    const Geometry& g = model_.me.geometry;
    setFixedSize(g.width / kTwipsPerPixel, g.height / kTwipsPerPixel);
    setWindowTitle(toQt(model_.me.caption));

    label1_ = made(new QLabel(this), "Label1");
    printers_ = made(new QComboBox(this), "Combo1");
    for (const std::string& name : model_.printerNames) printers_->addItem(toQt(name));
    label1_->setBuddy(printers_);
    label2_ = made(new QLabel(this), "Label2");
    sizes_ = made(new QComboBox(this), "cbfgroeße");
    // A size of its own may be typed; the print rule decides what is used.
    sizes_->setEditable(true);
    sizes_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& size : model_.fontSizes) sizes_->addItem(toQt(size));
    label2_->setBuddy(sizes_);
    frame_ = made(new QGroupBox(this), "Frame1");
    const QPoint frameOrigin = pixels(model_.Frame1.geometry).topLeft();
    for (int box = 1; box <= 5; ++box) {
        auto* option = new QRadioButton(frame_);
        option->setObjectName(QStringLiteral("optkasten(%1)").arg(box));
        option->setGeometry(pixels(model_.optkasten[box].geometry).translated(-frameOrigin));
        connect(option, &QRadioButton::clicked, this,
                [this, box] { forward([this, box] { optkasten_Click(model_, box); }); });
        boxes_[static_cast<std::size_t>(box - 1)] = option;
    }
    print_ = made(new QPushButton(this), "cmdausdruck");
    print_->setDefault(true);
    connect(print_, &QPushButton::clicked, this,
            [this] { forward([this] { cmdausdruck_Click(app_, model_); }); });
    close_ = made(new QPushButton(this), "Command1");
    connect(close_, &QPushButton::clicked, this,
            [this] { forward([this] { Command1_Click(model_); }); });
    hint_ = made(new QLabel(this), "lblhinweis");
    hint_->setWordWrap(true);

    const std::pair<QWidget*, Control*> placed[] = {
        {label1_, &model_.Label1},   {printers_, &model_.Combo1}, {label2_, &model_.Label2},
        {sizes_, &model_.cbfgroeße}, {frame_, &model_.Frame1},    {print_, &model_.cmdausdruck},
        {close_, &model_.Command1},  {hint_, &model_.lblhinweis}};
    for (const auto& [widget, control] : placed) widget->setGeometry(pixels(control->geometry));
}

void PrintWindow::forward(const std::function<void()>& procedure) {
    model_.Combo1.caption = fromQt(printers_->currentText());
    model_.cbfgroeße.caption = fromQt(sizes_->currentText());
    procedure();
    sync();
    // A learner who chose in the error window to end the program leaves this window too.
    if (!model_.me.visible || app_.endRequested) accept();
}

void PrintWindow::sync() {
    label1_->setText(toQt(model_.Label1.caption));
    label2_->setText(toQt(model_.Label2.caption));
    // A size may be typed: the field it is typed into has the label's name as well.
    sizes_->lineEdit()->setAccessibleName(label2_->text());
    frame_->setTitle(toQt(model_.Frame1.caption));
    printers_->setCurrentText(toQt(model_.Combo1.caption));
    sizes_->setCurrentText(toQt(model_.cbfgroeße.caption));
    for (int box = 1; box <= 5; ++box) {
        QRadioButton* option = boxes_[static_cast<std::size_t>(box - 1)];
        const Control& c = model_.optkasten[box];
        option->setText(toQt(c.caption));
        option->setChecked(c.checked);
        applyCommon(c, option);
    }
    print_->setText(toQt(model_.cmdausdruck.caption));
    close_->setText(toQt(model_.Command1.caption));
    hint_->setText(toQt(model_.lblhinweis.caption));
    for (const auto& [widget, control] :
         {std::pair<QWidget*, Control*>{print_, &model_.cmdausdruck},
          {close_, &model_.Command1},
          {hint_, &model_.lblhinweis},
          {printers_, &model_.Combo1},
          {sizes_, &model_.cbfgroeße}}) {
        applyCommon(*control, widget);
    }
}

void showPrintWindow(App& app, QWidget* parent) {
    PrintWindow window(app, parent);
    if (window.loaded()) window.exec();
}

}  // namespace memvalo
