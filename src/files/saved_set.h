#pragma once
// What a set looked like when it was last loaded or saved: each box's cards, the capacities
// and a fingerprint of the options a save writes that count as a change.
#include <array>
#include <cstdint>

#include "core/box_snapshot.h"

namespace memvalo {

struct SavedSet {
    std::array<BoxSnapshot, 5> boxes;
    std::array<int, 5> soll{};
    std::uint64_t options = 0;
};

}  // namespace memvalo
