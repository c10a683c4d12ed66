#pragma once
// What a printout shows: the saved state of the open set, read into boxes of their own so that
// the set in memory, unsaved changes and all, stays as it is; a set never saved prints the
// boxes in memory.
#include <array>
#include <memory>

#include "core/box.h"
#include "files/files_context.h"

namespace memvalo {

using PrintBoxes = std::array<Box, 5>;

// nullptr when the saved files cannot be read; the user has been told why.
std::unique_ptr<PrintBoxes> boxesToPrint(FilesContext& app);

}  // namespace memvalo
