#pragma once
// The error window `ErrPtnr`: what failed in which procedure, an error protocol to print, save
// or mail, and the choice how the failed procedure goes on. It is made on the first error and
// kept for the run, so the last choice stays the preset of the next error.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/files_context.h"
#include "model/window_model.h"
#include "report/system_info.h"

namespace memvalo {

class ErrPtnrModel : public WindowModel {
  public:
    ErrPtnrModel();

    // The frames are stacked in this order; the controls inside a frame are placed relative
    // to it.
    Control& me = add("ErrPtnr", ControlKind::Form);
    Control& framComment = add("framComment", ControlKind::Frame);
    Control& lblComment = add("lblComment", ControlKind::Label);
    Control& framFehler = add("framFehler", ControlKind::Frame);
    ControlArray<4> lblErrTitel{controls_, "lblErrTitel", ControlKind::Label, 0};
    ControlArray<4> lblError{controls_, "lblError", ControlKind::Label, 0};
    Control& framProgInfo = add("framProgInfo", ControlKind::Frame);
    Control& lblProgInfo = add("lblProgInfo", ControlKind::Label);
    Control& framProtocol = add("framProtocol", ControlKind::Frame);
    ControlArray<4> cmdProtocol{controls_, "cmdProtocol", ControlKind::Button, 0};
    Control& framCallStack = add("framCallStack", ControlKind::Frame);
    Control& lstCallStack = add("lstCallStack", ControlKind::Label);
    Control& framContinue = add("framContinue", ControlKind::Frame);
    ControlArray<4> cmdContinue{controls_, "cmdContinue", ControlKind::Button, 0};

    // The frames from top to bottom.
    std::vector<Control*> frames() {
        return {&framComment,  &framFehler,    &framProgInfo,
                &framProtocol, &framCallStack, &framContinue};
    }

    // The entries of the call-stack list.
    std::vector<std::string> callStack;
    // The last choice: the preset returned when the window is closed without one.
    ErrorChoice choice = ErrorChoice::Retry;
    SystemInfo system = describeSystem();
};

// The frame a control of the window lies in; empty for the frames themselves.
std::string_view errPtnrFrameOf(std::string_view control);

// Shows the failure and returns how the failed procedure goes on. showModal shows the window
// until a continuation button or its close button ends it.
ErrorChoice OnError(FilesContext& app, ErrPtnrModel& f, const ErrorReport& report,
                    const std::function<void()>& showModal);

// The protocol buttons: 0 print, 1 save, 2 e-mail, 3 home page.
void cmdProtocol_Click(FilesContext& app, ErrPtnrModel& f, int index);
// A continuation button stores its choice and closes the window.
void cmdContinue_Click(ErrPtnrModel& f, int index);

}  // namespace memvalo
