#pragma once
// A secondary window drawn from its model: one widget per control (inside its frame where it
// lies in one), each click forwarded to the window's procedure, the model applied to the
// widgets afterwards. The window closes when a procedure hides it; Escape and the frame's
// close button ask the window's close procedure.
#include <QDialog>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/control.h"

namespace memvalo {

class ModelDialog : public QDialog {
    Q_OBJECT

  public:
    using FrameOf = std::function<std::string_view(std::string_view control)>;

    // The window's control is the one named formName; frameOf tells which frame holds a
    // control (empty: the window itself), nullptr when the window has no frames.
    ModelDialog(ControlMap& controls, const std::string& formName, const FrameOf& frameOf,
                QWidget* parent);

    void onClick(const std::string& control, std::function<void()> procedure);
    // A scroll bar's change of value, a choice in a drop-down list.
    void onChange(const std::string& control, std::function<void()> procedure);
    // A label shown as a link: a click, or Return once Tab has reached it, follows it.
    void onLink(const std::string& control, std::function<void()> procedure);
    void onClose(std::function<void()> procedure) { close_ = std::move(procedure); }
    // The label whose shortcut letter moves the focus to `control`.
    void setBuddy(const std::string& label, const std::string& control);
    // The order Tab walks the controls in.
    void setTabOrder(const std::vector<std::string>& controls);
    void sync();
    // A fault that ends one of the window's procedures closes the window and runs on from
    // here, to the command that opened it: it never passes through Qt.
    int exec() override;

  protected:
    void reject() override;

  private:
    void groupOptions();
    void forward(const std::function<void()>& procedure);

    ControlMap& controls_;
    Control& me_;
    std::map<std::string, QWidget*> widgets_;
    std::vector<std::string> links_;
    std::function<void()> close_;
    bool syncing_ = false;
    std::exception_ptr fault_;
};

}  // namespace memvalo
