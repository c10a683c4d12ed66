#pragma once
// The colour window `frmfarb` on screen: its controls mirror the ColourWindowModel, and each
// button, scroll bar and the menu forward to the window's procedures.
#include <QDialog>
#include <map>
#include <string>

#include "app/app.h"
#include "settings/colour_window.h"

namespace memvalo {

class ColourWindow : public QDialog {
    Q_OBJECT

  public:
    // afterChange repaints whatever shows the colours besides this window.
    ColourWindow(App& app, std::function<void()> afterChange, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void forward(const std::function<void()>& procedure);
    void sync();

    App& app_;
    std::function<void()> afterChange_;
    ColourWindowModel model_;
    QWidget* area_;
    std::map<std::string, QWidget*> widgets_;
    bool syncing_ = false;
};

// Shows the colour window modally over the parent.
void showColourWindow(App& app, QWidget* parent, const std::function<void()>& afterChange);

}  // namespace memvalo
