#pragma once
// The fonts and text colours of the four card fields, chosen in the font dialog.
#include "core/app.h"

namespace memvalo {

void mnufontfrage_Click(App& app);
void mnufontantwort_Click(App& app);
void mnufontzusatz_Click(App& app);
void mnuzusatz2_Click(App& app);
void mnufontgesamt_Click(App& app);

}  // namespace memvalo
