#pragma once
// The per-set options, each declared once: its lines in the set's ".cfg" file, how they are read
// and written, where the program keeps the option while the set is open, and whether changing it
// changes the set. The ".cfg" reader and writer, the copies between the program and a set's
// options and the unsaved-changes fingerprint all go through this table, in its order.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/item_reader.h"
#include "core/session.h"
#include "core/set_files.h"

namespace memvalo {

struct SetOption {
    std::string_view key;  // the key line before the value; empty for none
    // The value after the key line; a value that cannot be used adds its line to `badLines`
    // and leaves the default.
    void (*read)(ItemReader& in, SetOptions& options, std::vector<int>& badLines);
    // The value lines, unencoded and without line ends.
    void (*write)(const SetOptions& options, std::vector<std::string>& lines);
    void (*fromApp)(const Session& app, SetOptions& options);
    void (*toApp)(Session& app, const SetOptions& options);
    // False for the capacities: the store's capacities count with the cards.
    bool countsAsChange;
};

// The options in the order of the ".cfg" file.
std::span<const SetOption> setOptionTable();

// The options of the set in memory, and applying a set's options to the program.
SetOptions setOptionsOf(const Session& app);
void applySetOptions(Session& app, const SetOptions& options);

}  // namespace memvalo
