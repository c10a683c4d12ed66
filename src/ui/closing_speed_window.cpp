#include "app/app.h"
#include "minor/closing_speed.h"
#include "ui/minor_windows.h"
#include "ui/model_dialog.h"

namespace memvalo {

void showClosingSpeedWindow(App& app, FrmZeitModel& model, QWidget* parent) {
    frmzeit_Load(app, model);
    ModelDialog window(model.controls(), "frmzeit", nullptr, parent);
    window.onChange("scrollzeit", [&] { scrollzeit_Change(app, model); });
    window.onClick("cmdzeitzurück", [&] { cmdzeitzurück_Click(model); });
    window.setTabOrder({"scrollzeit", "cmdzeitzurück", "txtinfo"});
    window.exec();
}

}  // namespace memvalo
