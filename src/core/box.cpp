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

}  // namespace

Box::Box(const Box& other) : anz(other.anz), pos(other.pos) {
    slots_.reserve(other.slots_.size());
    for (const auto& record : other.slots_) slots_.push_back(std::make_unique<CardRecord>(*record));
}

Box::Box(Box&& other) noexcept : anz(other.anz), pos(other.pos), slots_(std::move(other.slots_)) {}

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
    return *this;
}

CardRecord& Box::reach(int slot) {
    const auto index = static_cast<std::size_t>(slot - 1);
    while (slots_.size() <= index) slots_.push_back(std::make_unique<CardRecord>());
    return *slots_[index];
}

CardRecord& Box::operator[](int slot) {
    checkSlot(slot);
    changing(slot);
    return reach(slot);
}

const CardRecord& Box::operator[](int slot) const {
    checkSlot(slot);
    static const CardRecord kBlank;
    const auto index = static_cast<std::size_t>(slot - 1);
    return index < slots_.size() ? *slots_[index] : kBlank;
}

bool Box::append(const CardRecord& card) {
    if (full()) return false;
    (*this)[anz + 1] = card;
    ++anz;
    return true;
}

void Box::remove(int slot, const CardRecord& vacated) {
    checkSlot(slot);
    if (slot > anz) return;
    changing(slot, true);
    reach(anz);
    const auto first = slots_.begin() + (slot - 1);
    std::rotate(first, first + 1, slots_.begin() + anz);
    *slots_[static_cast<std::size_t>(anz - 1)] = vacated;
    --anz;
}

void Box::clear() {
    changing(0);
    slots_.clear();
    anz = 0;
    pos = 0;
}

void Box::keepRecords(int count) {
    if (count < records()) slots_.resize(static_cast<std::size_t>(count));
}

void Box::reinsert(int slot, int end, const CardRecord& card) {
    checkSlot(slot);
    checkSlot(end);
    reach(end);
    const auto first = slots_.begin() + (slot - 1);
    std::rotate(first, slots_.begin() + (end - 1), slots_.begin() + end);
    *slots_[static_cast<std::size_t>(slot - 1)] = card;
}

}  // namespace memvalo
