#include "core/box.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace memvalo {

namespace {

void checkSlot(int slot) {
    if (slot < 1 || slot > Box::kSlots) {
        throw std::out_of_range("Kartenplatz " + std::to_string(slot) + " gibt es nicht");
    }
}

const CardRecord kBlank;

}  // namespace

Box::Box(const Box& other) : anz(other.anz), pos(other.pos), stored_(other.stored_) {
    slots_.reserve(other.slots_.size());
    for (const Slot& slot : other.slots_) {
        slots_.push_back(
            {slot.record ? std::make_unique<CardRecord>(*slot.record) : nullptr, slot.at});
    }
}

Box::Box(Box&& other) noexcept
    : anz(other.anz),
      pos(other.pos),
      slots_(std::move(other.slots_)),
      stored_(std::move(other.stored_)) {}

Box& Box::operator=(const Box& other) {
    if (this != &other) *this = Box(other);
    return *this;
}

Box& Box::operator=(Box&& other) noexcept {
    if (this == &other) return *this;
    changing(0);
    anz = other.anz;
    pos = other.pos;
    slots_ = std::move(other.slots_);
    stored_ = std::move(other.stored_);
    return *this;
}

CardRecord& Box::decoded(Slot& slot) const {
    if (!slot.record) {
        slot.record = std::make_unique<CardRecord>();
        stored_->decode(slot.at, *slot.record);
    }
    return *slot.record;
}

Box::Slot& Box::slotAt(int slot) {
    const auto index = static_cast<std::size_t>(slot - 1);
    while (slots_.size() <= index) slots_.push_back({std::make_unique<CardRecord>(), 0});
    return slots_[index];
}

CardRecord& Box::reach(int slot) {
    return decoded(slotAt(slot));
}

void Box::put(Slot& slot, const CardRecord& card) {
    if (slot.record) {
        *slot.record = card;
    } else {
        slot.record = std::make_unique<CardRecord>(card);
    }
}

CardRecord& Box::operator[](int slot) {
    checkSlot(slot);
    changing(slot);
    return reach(slot);
}

const CardRecord& Box::operator[](int slot) const {
    checkSlot(slot);
    const auto index = static_cast<std::size_t>(slot - 1);
    return index < slots_.size() ? decoded(slots_[index]) : kBlank;
}

const CardRecord& Box::peek(int slot, CardRecord& scratch) const {
    checkSlot(slot);
    const auto index = static_cast<std::size_t>(slot - 1);
    if (index >= slots_.size()) return kBlank;
    const Slot& s = slots_[index];
    if (s.record) return *s.record;
    stored_->decode(s.at, scratch);
    return scratch;
}

bool Box::append(const CardRecord& card) {
    if (full()) return false;
    changing(anz + 1);
    put(slotAt(anz + 1), card);
    ++anz;
    return true;
}

void Box::remove(int slot, const CardRecord& vacated) {
    checkSlot(slot);
    if (slot > anz) return;
    changing(slot, true);
    slotAt(anz);
    const auto first = slots_.begin() + (slot - 1);
    std::rotate(first, first + 1, slots_.begin() + anz);
    put(slots_[static_cast<std::size_t>(anz - 1)], vacated);
    --anz;
}

void Box::clear() {
    changing(0);
    slots_.clear();
    stored_.reset();
    anz = 0;
    pos = 0;
}

void Box::holdStored(std::shared_ptr<const StoredCards> cards, std::vector<std::uint32_t> starts) {
    changing(0);
    slots_.clear();
    slots_.reserve(starts.size());
    for (std::uint32_t at : starts) slots_.push_back({nullptr, at});
    stored_ = std::move(cards);
}

std::size_t Box::sizeHint() const {
    std::size_t size = stored_ ? stored_->size() : 0;
    for (const Slot& slot : slots_) {
        if (!slot.record) continue;
        const CardRecord& card = *slot.record;
        size += card.frage.size() + card.antwort.size() + card.zusatz1.size() +
                card.zusatz2.size() + card.medium.size() + 96;
    }
    return size;
}

void Box::keepRecords(int count) {
    if (count < records()) slots_.resize(static_cast<std::size_t>(count));
}

void Box::reinsert(int slot, int end, const CardRecord& card) {
    checkSlot(slot);
    checkSlot(end);
    slotAt(end);
    const auto first = slots_.begin() + (slot - 1);
    std::rotate(first, slots_.begin() + (end - 1), slots_.begin() + end);
    put(slots_[static_cast<std::size_t>(slot - 1)], card);
}

}  // namespace memvalo
