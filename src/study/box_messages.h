#pragma once
// Messages about full boxes that several study steps give in the same words.
#include "study/study_context.h"

namespace memvalo {

constexpr char kCR = '\r';

// Box 1 has reached its capacity (shown count against target value).
bool box1Full(const StudyContext& app);
// Box `box` (2..5) has reached its capacity.
bool boxFull(const StudyContext& app, int box);

// "Kasten 1 ist voll." ... ; `letzterDatensatz` puts "Das war der letzte Datensatz. " first.
void reportBox1Full(StudyContext& app, bool letzterDatensatz);
// The box a query would fill is full: "Kasten N ist voll." CR "Bitte erst einige ...".
void reportTargetBoxFull(StudyContext& app, int box);
// A box holds 2000 cards at most: refuses a card that would need one more slot.
void reportNoSlotLeft(StudyContext& app, int box);

}  // namespace memvalo
