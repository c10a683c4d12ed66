#include "ui/error_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace memvalo {

namespace {

std::string indexed(const char* name, int i) {
    return std::string(name) + "(" + std::to_string(i) + ")";
}

}  // namespace

ErrorWindow::ErrorWindow(App& app, QWidget* parent) : ModelDialog("ErrPtnr", parent), app_(app) {
    mirror(model_.controls());
    build();
}

void ErrorWindow::build() {
    QGroupBox* comment = addFrame("framComment");
    add("lblComment", comment);
    QGroupBox* fault = addFrame("framFehler");
    for (int i = 0; i < 4; ++i) {
        add(indexed("lblErrTitel", i), fault);
        // The learner may copy what failed, for a message of his own.
        static_cast<QLabel*>(add(indexed("lblError", i), fault))
            ->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    add("lblProgInfo", addFrame("framProgInfo"));
    QGroupBox* protocol = addFrame("framProtocol");
    for (int i = 0; i < 4; ++i) {
        auto* button = static_cast<QPushButton*>(add(indexed("cmdProtocol", i), protocol));
        connect(button, &QPushButton::clicked, this,
                [this, i] { forward([this, i] { cmdProtocol_Click(app_, model_, i); }); });
    }
    add("lstCallStack", addFrame("framCallStack"));
    QGroupBox* next = addFrame("framContinue");
    for (int i = 0; i < 4; ++i) {
        auto* button = static_cast<QPushButton*>(add(indexed("cmdContinue", i), next));
        connect(button, &QPushButton::clicked, this,
                [this, i] { forward([this, i] { cmdContinue_Click(model_, i); }); });
    }
}

ErrorChoice ErrorWindow::run(const ErrorReport& report) {
    return OnError(app_, model_, report, [this] { showModal(); });
}

void ErrorWindow::showModal() {
    sync();
    // Whatever the failed procedure had set, the learner points with the arrow here.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    exec();
    QApplication::restoreOverrideCursor();
}

}  // namespace memvalo
