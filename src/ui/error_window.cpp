#include "ui/error_window.h"

#include <QApplication>

#include "ui/model_dialog.h"

namespace memvalo {

void showErrorWindow(App& app, ErrPtnrModel& model, QWidget* parent) {
    ModelDialog window(model.controls(), "ErrPtnr", errPtnrFrameOf, parent);
    std::vector<std::string> order;
    for (const char* group : {"cmdContinue", "cmdProtocol"}) {
        for (int i = 0; i < 4; ++i) {
            const std::string name = std::string(group) + "(" + std::to_string(i) + ")";
            order.push_back(name);
            if (group == std::string_view("cmdContinue")) {
                window.onClick(name, [&model, i] { cmdContinue_Click(model, i); });
            } else {
                window.onClick(name, [&app, &model, i] { cmdProtocol_Click(app, model, i); });
            }
        }
    }
    window.setTabOrder(order);
    // Whatever pointer the failed procedure had set, the learner points with the arrow here.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    window.exec();
    QApplication::restoreOverrideCursor();
}

}  // namespace memvalo
