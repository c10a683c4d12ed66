#include "app/app.h"

namespace memvalo {

App::OnTopLift::OnTopLift(App& app) : app_(app), lifted_(app.ontop == "ja") {
    if (lifted_) app_.AlwaysOnTop(false);
}

App::OnTopLift::~OnTopLift() {
    if (lifted_) app_.AlwaysOnTop(true);
}

Answer App::msgBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon,
                   int defaultButton) {
    const MessageBox box{std::string(text), std::string(title), buttons, icon, defaultButton};
    return onTopBracket([&] { return platform.msgBox(box); });
}

std::optional<std::string> App::inputBox(std::string_view prompt, std::string_view title,
                                         std::string_view defaultText) {
    const InputBox box{std::string(prompt), std::string(title), std::string(defaultText)};
    return onTopBracket([&] { return platform.inputBox(box); });
}

void App::playSound(std::string_view fileName) {
    if (frm1.mnuklang.checked) EZPlay(paths.programFolder + std::string(fileName));
}

}  // namespace memvalo
