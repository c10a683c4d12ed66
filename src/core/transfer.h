#pragma once
// Cards travel between a box and the window only through the work records: these procedures
// copy a work record into the window's fields and the fields back into a record.
#include "core/session.h"

namespace memvalo {

// The study mode as the mode label shows it: "Eingabe", "Abfrage" or "Blättern".
std::string modeCaption(const Session& app);

// A card text as typed into a field, in the form a box keeps it: blanks trimmed, quotation
// marks replaced.
std::string storedCardText(std::string_view typed);

void felder_an_maskeds(Session& app);
void maskeds_an_felder(Session& app);
// Box 2..5 work record to the window.
void kds_an_felder(Session& app, int box);
// Normalises the box 2..5 work record in place: quotes replaced, fixed fields re-padded.
void felder_an_kds(Session& app, int box);

}  // namespace memvalo
