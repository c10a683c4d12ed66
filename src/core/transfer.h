#pragma once
// Cards travel between a box and the window only through the work records: these procedures
// copy a work record into the window's fields and the fields back into a record.
#include "core/app.h"

namespace memvalo {

// The study mode as the mode label shows it: "Eingabe", "Abfrage" or "Blättern".
std::string modeCaption(const App& app);

// A card text as typed into a field, in the form a box keeps it: blanks trimmed, quotation
// marks replaced.
std::string storedCardText(std::string_view typed);

void felder_an_maskeds(App& app);
void maskeds_an_felder(App& app);
// Box 2..5 work record to the window.
void kds_an_felder(App& app, int box);
// Normalises the box 2..5 work record in place: quotes replaced, fixed fields re-padded.
void felder_an_kds(App& app, int box);

inline void k2ds_an_felder(App& app) {
    kds_an_felder(app, 2);
}
inline void k3ds_an_felder(App& app) {
    kds_an_felder(app, 3);
}
inline void k4ds_an_felder(App& app) {
    kds_an_felder(app, 4);
}
inline void k5ds_an_felder(App& app) {
    kds_an_felder(app, 5);
}
inline void felder_an_k2ds(App& app) {
    felder_an_kds(app, 2);
}
inline void felder_an_k3ds(App& app) {
    felder_an_kds(app, 3);
}
inline void felder_an_k4ds(App& app) {
    felder_an_kds(app, 4);
}
inline void felder_an_k5ds(App& app) {
    felder_an_kds(app, 5);
}

}  // namespace memvalo
