#pragma once
// A fingerprint of a set's cards: equal cards give equal values, and any change of a card, a
// fill count or a capacity gives another value for all practical purposes.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/card_store.h"

namespace memvalo {

// FNV-1a: cheap, and any change of a field changes the value for all practical purposes.
class Fingerprint {
  public:
    void add(std::string_view text) {
        for (unsigned char c : text) mix(c);
        mix(0xFF);  // a separator no UTF-8 text contains, so fields cannot run together
    }
    void add(int number) { add(std::to_string(number)); }
    std::uint64_t value() const { return hash_; }

  private:
    void mix(unsigned char c) {
        hash_ ^= c;
        hash_ *= 1099511628211ull;
    }
    std::uint64_t hash_ = 14695981039346656037ull;
};

// The cards of all five boxes in slot order, then the capacities.
void addCards(Fingerprint& f, const CardStore& store);
std::uint64_t cardsFingerprint(const CardStore& store);
// Equal for cards the set's files cannot tell apart.
std::uint64_t cardFingerprint(const CardRecord& card);

}  // namespace memvalo
