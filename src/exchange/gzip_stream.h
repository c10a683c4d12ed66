#pragma once
// Gzip files, as Pauker stores its lessons.
#include <cstdint>
#include <string>
#include <string_view>

namespace memvalo {

bool isGzip(std::string_view bytes);
// The decompressed bytes of every member. Throws ImportRefusal when they are damaged or would
// exceed the limit.
std::string gunzip(std::string_view bytes, std::uint64_t limit);

}  // namespace memvalo
