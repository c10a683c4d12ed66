#pragma once
// What the study procedures remember between two events of the main window. The covering
// options and the page-key setting live with the other options in SettingsValues.
#include <memory>

namespace memvalo {

struct AnswerSnapshot;

struct StudyState {
    // The box being worked, 1..5; box 1 in entry mode. Changes only together with the check
    // marks of the box menu, so the reveal and the answer buttons agree on the box.
    int kasten = 1;
    // The set and the window as they were before the last answer, while it can be taken back.
    std::shared_ptr<AnswerSnapshot> lastAnswer;
};

}  // namespace memvalo
