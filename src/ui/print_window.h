#pragma once
// The print window `frmprint` on screen: its controls mirror the PrintWindowModel, and the
// box options and the two buttons forward to the window's procedures.
#include <QDialog>
#include <array>

#include "app/app.h"
#include "print/print_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace memvalo {

class PrintWindow : public QDialog {
    Q_OBJECT

  public:
    PrintWindow(App& app, QWidget* parent);
    // False when the window has nothing to print from and is not to be shown.
    bool loaded() const { return loaded_; }

  private:
    void build();
    void forward(const std::function<void()>& procedure);
    void sync();

    App& app_;
    PrintWindowModel model_;
    bool loaded_ = false;
    QLabel* label1_ = nullptr;
    QComboBox* printers_ = nullptr;
    QLabel* label2_ = nullptr;
    QComboBox* sizes_ = nullptr;
    QGroupBox* frame_ = nullptr;
    std::array<QRadioButton*, 5> boxes_{};
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* hint_ = nullptr;
};

// Shows the print window modally over the parent.
void showPrintWindow(App& app, QWidget* parent);

}  // namespace memvalo
