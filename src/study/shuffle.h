#pragma once
// Putting the cards of a box into random order before a query, so that answers cannot be
// learnt by their order. Every order is equally likely; the random source starts from the
// same state in every run, so the first shuffle after start repeats from run to run.
#include "study/study_context.h"

namespace memvalo {

// Shuffles the first `count` cards of `box`; a box of one card draws no number.
void shuffleBox(StudyContext& app, int box, int count);

inline void zufallswert(StudyContext& app, int count) {
    shuffleBox(app, 1, count);
}
inline void zufall_kasten2(StudyContext& app, int count) {
    shuffleBox(app, 2, count);
}
inline void zufall_kasten3(StudyContext& app, int count) {
    shuffleBox(app, 3, count);
}
inline void zufall_kasten4(StudyContext& app, int count) {
    shuffleBox(app, 4, count);
}
inline void zufall_kasten5(StudyContext& app, int count) {
    shuffleBox(app, 5, count);
}

}  // namespace memvalo
