#pragma once
// Box 5 holds the learnt cards. When it is full it can be saved to a numbered side file beside
// the set ("<set>_bak1.k06" .. "<set>_bak20.k06") and emptied, and a side file can later be
// read back into the empty box.
#include <string>

#include "core/session.h"

namespace memvalo {

inline constexpr int kSideFiles = 20;

// The side file of number n (1..20) of the set with that base path.
std::string sideFileName(const std::string& setBasePath, int n);
// The first side file name not yet taken; empty when all twenty are.
std::string freeSideFile(const std::string& setBasePath);

// Writes box 5 to the next free side file, then empties the box. False, with the user told
// and box 5 unchanged, when the set has no name yet, all names are taken or writing failed.
bool kasten5_speichern(Session& app);

// Asks for a side file and reads it into box 5. False when nothing was imported; the marker
// text then holds "nichts".
bool kasten5_import(Session& app);

}  // namespace memvalo
