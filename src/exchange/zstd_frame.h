#pragma once
// Zstandard frames as Anki's current packages store their collection, media map and media.
#include <cstdint>
#include <string>
#include <string_view>

namespace memvalo {

bool isZstdFrame(std::string_view bytes);
// The decompressed bytes. Throws ImportRefusal when they are damaged or would exceed the limit.
std::string zstdDecompress(std::string_view bytes, std::uint64_t limit);

}  // namespace memvalo
