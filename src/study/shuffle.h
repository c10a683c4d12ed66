#pragma once
// Putting the cards of a box into random order before a query, so that answers cannot be
// learnt by their order. Every order is equally likely; the random source starts from the
// same state in every run, so the first shuffle after start repeats from run to run.
#include "study/study_context.h"

namespace memvalo {

// Shuffles the first `count` cards of `box`; a box of one card draws no number.
void shuffleBox(StudyContext& app, int box, int count);

}  // namespace memvalo
