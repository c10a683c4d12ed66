#pragma once
// Paging box 1 in entry mode and box 5 while it is browsed, by buttons and page keys.
#include "model/events.h"
#include "study/study_context.h"

namespace memvalo {

void cmdanfang_Click(StudyContext& app);
void cmdzurück_Click(StudyContext& app);
void cmdende_Click(StudyContext& app);
void cmd5anfang_Click(StudyContext& app);
void cmd5zurück_Click(StudyContext& app);
void cmd5vor_Click(StudyContext& app);
void cmd5ende_Click(StudyContext& app);
// Page Up steps forward and Page Down back, in entry mode and while box 5 is browsed.
void frm1_KeyDown(StudyContext& app, UiEvent& event);
void frm1_KeyUp(StudyContext& app, UiEvent& event);
void mnukey_Click(StudyContext& app);

}  // namespace memvalo
