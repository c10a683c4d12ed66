#pragma once
// Taking back the last answer: one slip on an answer button must not cost a card its weeks
// of repetition. The answer buttons keep what the set and the window looked like before the
// answer; taking it back puts that back and asks the card again under its covers. One step
// back, not a history.
#include <memory>

#include "model/events.h"
#include "study/study_context.h"

namespace memvalo {

struct AnswerSnapshot;

// Taken just before an answer changes anything.
std::shared_ptr<AnswerSnapshot> beforeAnswer(StudyContext& app);
// The answer is given: it can be taken back until something else moves the learner on.
void offerTakeBack(StudyContext& app, std::shared_ptr<AnswerSnapshot> before);
// Paging, a mode change, another box, saving and opening leave no answer to take back.
void forgetLastAnswer(StudyContext& app);
void mnuzurücknehmen_Click(StudyContext& app);
// Ctrl+Z on the main window while the next card's answer is shown: its menu, and the menu's
// shortcut with it, wait for the answer, but the slip noticed only now can still be mended.
void takeBackByKey(StudyContext& app, UiEvent& event);

}  // namespace memvalo
