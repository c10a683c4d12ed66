#pragma once
// Recognises a loaded card whose bytes are exactly what writing it gives, so that a save can
// copy them instead of decoding and encoding the card again.
#include <cstddef>
#include <string_view>

#include "core/learning_set_writer.h"

namespace memvalo {

// Where the card of box `boxNumber` whose bytes start at `at` ends, when writing the card with
// the wrong-answer count in `falsch` form gives those very bytes; npos when it may not.
std::size_t writtenCardEnd(std::string_view bytes, std::size_t at, int boxNumber,
                           FalschForm falsch);

}  // namespace memvalo
