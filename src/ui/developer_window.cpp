#include <QTimer>
#include <memory>

#include "app/app.h"
#include "minor/developer_window.h"
#include "ui/minor_windows.h"
#include "ui/model_dialog.h"

namespace memvalo {

namespace {

constexpr int kRefreshMs = 500;

// The window and the model it shows, gone together when the window is closed.
class DeveloperWindow : public ModelDialog {
  public:
    DeveloperWindow(App& app, std::unique_ptr<FrmDebugModel> model, QWidget* parent)
        : ModelDialog(model->controls(), "frmdebug", nullptr, parent),
          app_(app),
          model_(std::move(model)) {
        setAttribute(Qt::WA_DeleteOnClose);
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            frmdebug_Timer(app_, *model_);
            sync();
        });
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
    App& app_;
    std::unique_ptr<FrmDebugModel> model_;
};

}  // namespace

void showDeveloperWindow(App& app, QWidget* parent) {
    auto* open =
        parent ? parent->findChild<QDialog*>(QStringLiteral("frmdebug"), Qt::FindDirectChildrenOnly)
               : nullptr;
    if (open == nullptr) {
        auto model = std::make_unique<FrmDebugModel>();
        frmdebug_Load(app, *model);
        open = new DeveloperWindow(app, std::move(model), parent);
    }
    open->show();
    open->raise();
}

}  // namespace memvalo
