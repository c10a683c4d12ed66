#pragma once
// A box's cards as they were at one moment, cheap to take: a card still held as its file's
// bytes is kept as where those bytes start, any other card as its fingerprint. Whether the box
// changed since is then known without hashing while nobody reached its cards, and otherwise by
// fingerprinting only the cards that are not the same stored bytes on both sides.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/box.h"

namespace memvalo {

class BoxSnapshot {
  public:
    BoxSnapshot() = default;
    explicit BoxSnapshot(const Box& box);

    // True when the box holds cards the set's files cannot tell from the ones taken.
    bool matches(const Box& box) const;

  private:
    // A stored card's start (stored) or a card's fingerprint.
    struct Card {
        std::uint64_t value;
        bool stored;
        bool operator==(const Card&) const = default;
    };
    static Card cardOf(const Box& box, int slot);
    std::uint64_t fingerprint(const Card& card) const;

    std::uint64_t stamp_ = 0;
    int anz_ = 0;
    std::shared_ptr<const StoredCards> stored_;
    std::vector<Card> cards_;
};

}  // namespace memvalo
