#include "core/session.h"

namespace memvalo {

Session::OnTopLift::OnTopLift(Session& session)
    : session_(session), lifted_(session.ontop == "ja") {
    if (lifted_) session_.AlwaysOnTop(false);
}

Session::OnTopLift::~OnTopLift() {
    if (lifted_) session_.AlwaysOnTop(true);
}

Answer Session::msgBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon,
                       int defaultButton) {
    const MessageBox box{std::string(text), std::string(title), buttons, icon, defaultButton};
    return onTopBracket([&] { return platform.msgBox(box); });
}

std::optional<std::string> Session::inputBox(std::string_view prompt, std::string_view title,
                                             std::string_view defaultText) {
    const InputBox box{std::string(prompt), std::string(title), std::string(defaultText)};
    return onTopBracket([&] { return platform.inputBox(box); });
}

void Session::playSound(std::string_view fileName) {
    if (frm1.mnuklang.checked) EZPlay(paths.programFolder + std::string(fileName));
}

}  // namespace memvalo
