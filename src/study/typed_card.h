#pragma once

#include "study/study_context.h"

namespace memvalo {

// The window's question and answer both hold more than blanks: a card that may be stored.
bool questionAndAnswerFilled(const StudyContext& app);

// Leaving entry mode, or choosing it again, settles the card the window holds: a complete
// one is stored, a never-stored blank one at the end of box 1 is dropped.
void settleTypedCard(StudyContext& app);

}  // namespace memvalo
