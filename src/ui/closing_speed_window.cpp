#include <QPushButton>
#include <QScrollBar>

#include "minor/closing_speed.h"
#include "ui/minor_windows.h"
#include "ui/model_dialog.h"

namespace memvalo {

namespace {

class ClosingSpeedWindow : public ModelDialog {
  public:
    ClosingSpeedWindow(App& app, QWidget* parent) : ModelDialog("frmzeit", parent), app_(app) {
        mirror(model_.controls());
        frmzeit_Load(app_, model_);
        add("Label1");
        auto* bar = static_cast<QScrollBar*>(add("scrollzeit"));
        bar->setSingleStep(10);
        bar->setPageStep(100);
        add("Label2");
        add("lblwert");
        add("txtinfo", nullptr, true);
        auto* back = static_cast<QPushButton*>(add("cmdzeitzurück"));
        back->setDefault(true);
        sync();
        connect(bar, &QScrollBar::valueChanged, this,
                [this] { forward([this] { scrollzeit_Change(app_, model_); }); });
        connect(back, &QPushButton::clicked, this,
                [this] { forward([this] { cmdzeitzurück_Click(model_); }); });
    }

  private:
    App& app_;
    FrmZeitModel model_;
};

}  // namespace

void showClosingSpeedWindow(App& app, QWidget* parent) {
    ClosingSpeedWindow window(app, parent);
    window.exec();
}

}  // namespace memvalo
