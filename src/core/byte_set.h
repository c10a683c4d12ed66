#pragma once
// A set of byte values as a table, so that a pass over bytes asks one lookup per byte.
#include <array>
#include <string_view>

namespace memvalo {

constexpr std::array<bool, 256> byteSet(std::string_view members) {
    std::array<bool, 256> set{};
    for (const char c : members) set[static_cast<unsigned char>(c)] = true;
    return set;
}

}  // namespace memvalo
