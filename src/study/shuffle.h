#pragma once
// Putting the cards of a box into random order before a query, so that answers cannot be
// learnt by their order. Every order is equally likely; the random source starts from the
// same state in every run, so the first shuffle after start repeats from run to run.
#include "core/app.h"

namespace memvalo {

// Shuffles the first `anzahl` cards of `box`; a box of one card draws no number.
void zufall_kasten(App& app, int box, int anzahl);

inline void zufallswert(App& app, int anzahl) {
    zufall_kasten(app, 1, anzahl);
}
inline void zufall_kasten2(App& app, int anzahl) {
    zufall_kasten(app, 2, anzahl);
}
inline void zufall_kasten3(App& app, int anzahl) {
    zufall_kasten(app, 3, anzahl);
}
inline void zufall_kasten4(App& app, int anzahl) {
    zufall_kasten(app, 4, anzahl);
}
inline void zufall_kasten5(App& app, int anzahl) {
    zufall_kasten(app, 5, anzahl);
}

}  // namespace memvalo
