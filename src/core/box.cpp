#include "core/box.h"

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

CardRecord& Box::operator[](int slot) {
    checkSlot(slot);
    const auto index = static_cast<std::size_t>(slot);
    if (index >= slots_.size()) slots_.resize(index + 1);
    return slots_[index];
}

const CardRecord& Box::operator[](int slot) const {
    checkSlot(slot);
    static const CardRecord kBlank;
    const auto index = static_cast<std::size_t>(slot);
    return index < slots_.size() ? slots_[index] : kBlank;
}

bool Box::append(const CardRecord& card) {
    if (full()) return false;
    ++anz;
    (*this)[anz] = card;
    return true;
}

void Box::remove(int slot) {
    checkSlot(slot);
    if (slot > anz) return;
    for (int i = slot; i < anz; ++i) (*this)[i] = std::move((*this)[i + 1]);
    (*this)[anz] = CardRecord{};
    --anz;
}

void Box::clear() {
    for (int i = 1; i <= anz; ++i) (*this)[i] = CardRecord{};
    anz = 0;
    pos = 0;
}

}  // namespace memvalo
