#include "core/box_snapshot.h"

#include "core/card_fingerprint.h"

namespace memvalo {

BoxSnapshot::Card BoxSnapshot::cardOf(const Box& box, int slot) {
    if (const auto at = box.storedAt(slot)) return {*at, true};
    return {cardFingerprint(box[slot]), false};
}

BoxSnapshot::BoxSnapshot(const Box& box)
    : stamp_(box.stamp()), anz_(box.anz), stored_(box.stored()) {
    cards_.reserve(static_cast<std::size_t>(anz_));
    for (int slot = 1; slot <= anz_; ++slot) cards_.push_back(cardOf(box, slot));
}

std::uint64_t BoxSnapshot::fingerprint(const Card& card) const {
    if (!card.stored) return card.value;
    CardRecord scratch;
    stored_->decode(static_cast<std::uint32_t>(card.value), scratch);
    return cardFingerprint(scratch);
}

bool BoxSnapshot::matches(const Box& box) const {
    if (box.anz != anz_) return false;
    if (box.stamp() == stamp_) return true;
    const bool sameBytes = box.stored() == stored_;
    for (int slot = 1; slot <= anz_; ++slot) {
        const Card& then = cards_[static_cast<std::size_t>(slot - 1)];
        const auto at = box.storedAt(slot);
        if (sameBytes && at && then.stored && then.value == *at) continue;
        CardRecord scratch;
        if (fingerprint(then) != cardFingerprint(box.peek(slot, scratch))) return false;
    }
    return true;
}

}  // namespace memvalo
