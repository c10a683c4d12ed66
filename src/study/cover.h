#pragma once
// Covering the card during a query: which fields are hidden, and the menu options that
// choose it. The new covering takes effect with the next call of `verdecken`.
#include "core/app.h"

namespace memvalo {

// Covers the field to recall and the extra fields as the options say.
void verdecken(App& app);
// Uncovers all four fields.
void zeigen(App& app);

// Which field a query covers: 0 the answer (the lower field), 1 the question (the upper one);
// the labels beside the fields say which is asked ("F") and which recalled ("A").
void setCoverMode(App& app, int mode);
void mnuverdecktunten_Click(App& app);
void mnuverdecktoben_Click(App& app);
void mnuzusatzsichtbar_Click(App& app);
void mnunureins_Click(App& app);
void mnukorrekt_Click(App& app);

}  // namespace memvalo
