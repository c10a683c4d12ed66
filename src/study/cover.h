#pragma once
// Covering the card during a query: which fields are hidden, and the menu options that
// choose it. The new covering takes effect with the next call of `verdecken`.
#include "study/study_context.h"

namespace memvalo {

// Covers the field to recall and the extra fields as the options say.
void verdecken(StudyContext& app);
// Uncovers all four fields.
void zeigen(StudyContext& app);

// Which field a query covers: 0 the answer (the lower field), 1 the question (the upper one);
// the labels beside the fields say which is asked ("F") and which recalled ("A").
void setCoverMode(StudyContext& app, int mode);
void mnuverdecktunten_Click(StudyContext& app);
void mnuverdecktoben_Click(StudyContext& app);
void mnuzusatzsichtbar_Click(StudyContext& app);
void mnunureins_Click(StudyContext& app);
void mnukorrekt_Click(StudyContext& app);

}  // namespace memvalo
