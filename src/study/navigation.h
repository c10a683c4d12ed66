#pragma once
// Paging box 1 in entry mode and box 5 while it is browsed, by buttons and page keys.
#include "core/app.h"
#include "model/events.h"

namespace memvalo {

void cmdanfang_Click(App& app);
void cmdzurück_Click(App& app);
void cmdende_Click(App& app);
void cmd5anfang_Click(App& app);
void cmd5zurück_Click(App& app);
void cmd5vor_Click(App& app);
void cmd5ende_Click(App& app);
// Page Up steps forward and Page Down back, in entry mode and while box 5 is browsed.
void frm1_KeyDown(App& app, UiEvent& event);
void frm1_KeyUp(App& app, UiEvent& event);
void mnukey_Click(App& app);

}  // namespace memvalo
