#pragma once
#include "files/files_context.h"

namespace memvalo {

void mnudatspeichern_Click(FilesContext& app);
void mnudatspeiunter_Click(FilesContext& app);

}  // namespace memvalo
