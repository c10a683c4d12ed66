#include <QTimer>

#include "minor/developer_window.h"
#include "ui/minor_windows.h"
#include "ui/model_dialog.h"

namespace memvalo {

namespace {

constexpr int kRefreshMs = 500;

class DeveloperWindow : public ModelDialog {
  public:
    DeveloperWindow(App& app, QWidget* parent) : ModelDialog("frmdebug", parent), app_(app) {
        mirror(model_.controls());
        setAttribute(Qt::WA_DeleteOnClose);
        for (auto& [name, control] : model_.controls()) {
            if (control.kind == ControlKind::Label) add(name);
        }
        refresh();
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] { refresh(); });
        timer->start(kRefreshMs);
        // While it is open the main window gives up staying on top, so this one stays visible.
        if (app_.ontop == "ja") app_.AlwaysOnTop(false);
    }
    ~DeveloperWindow() override {
        if (app_.ontop == "ja") app_.AlwaysOnTop(true);
    }
    DeveloperWindow(const DeveloperWindow&) = delete;
    DeveloperWindow& operator=(const DeveloperWindow&) = delete;

  private:
    void refresh() {
        frmdebug_Timer(app_, model_);
        sync();
    }

    App& app_;
    FrmDebugModel model_;
};

}  // namespace

void showDeveloperWindow(App& app, QWidget* parent) {
    auto* open = parent ? parent->findChild<QDialog*>(QStringLiteral("frmdebug"),
                                                      Qt::FindDirectChildrenOnly)
                        : nullptr;
    if (open == nullptr) open = new DeveloperWindow(app, parent);
    open->show();
    open->raise();
}

}  // namespace memvalo
