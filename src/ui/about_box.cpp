#include "minor/about_box.h"
#include "app/app.h"
#include "ui/minor_windows.h"
#include "ui/model_dialog.h"

namespace memvalo {

void showAboutBox(App& app, FrmInfoModel& model, QWidget* parent) {
    frminfo_Load(app, model);
    ModelDialog window(model.controls(), "frminfo", nullptr, parent);
    window.onClick("cmdinfoend", [&] { cmdinfoend_Click(model); });
    window.onLink("lblcopy", [&] { lblhomepage_Click(app); });
    window.onLink("lblhomepage", [&] { lblhomepage_Click(app); });
    window.setTabOrder({"cmdinfoend", "txtinfo", "lblcopy", "lblhomepage"});
    window.exec();
}

}  // namespace memvalo
