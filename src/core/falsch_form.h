#pragma once
// How a box file carries the wrong-answer count of its cards.

namespace memvalo {

// Box files carry the wrong-answer count padded to 10 characters; box-5 side files unpadded.
enum class FalschForm { Padded, Trimmed };

}  // namespace memvalo
