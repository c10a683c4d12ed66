#pragma once
#include "core/app.h"

namespace memvalo {

void mnudatspeichern_Click(App& app);
void mnudatspeiunter_Click(App& app);

}  // namespace memvalo
