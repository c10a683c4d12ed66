#pragma once
// A modal window whose widgets mirror the controls of its window model: each control gets the
// widget of its kind, frames become group boxes holding the controls placed inside them. The
// window forwards the user's actions to the model's procedures and shows what they changed.
#include <QDialog>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/control.h"

class QGroupBox;

namespace memvalo {

class ModelDialog : public QDialog {
  public:
    // `form` names the model's control of the window itself.
    ModelDialog(std::string form, QWidget* parent);

  protected:
    // The model's controls; called once, before any control is added.
    void mirror(ControlMap& controls) { controls_ = &controls; }
    // The widget of the control, inside the frame `container` or directly on the window.
    QWidget* add(const std::string& name, QWidget* container = nullptr, bool multiLine = false);
    QGroupBox* addFrame(const std::string& name);
    QWidget* widget(const std::string& name) const;

    // Copies what the user changed into the model, runs the procedure, shows the model; the
    // window closes once the model hides it.
    void forward(const std::function<void()>& procedure);
    // Applies the whole model: caption, size and place of the window, every frame and control.
    void sync();

  private:
    ControlMap* controls_ = nullptr;
    std::string form_;
    std::vector<std::pair<std::string, QWidget*>> widgets_;
    std::vector<std::pair<std::string, QGroupBox*>> frames_;
};

}  // namespace memvalo
