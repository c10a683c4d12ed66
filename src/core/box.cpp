#include "core/box.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <string>
#include <utility>

#include "core/card_fields.h"

namespace memvalo {

namespace {

void checkSlot(int slot) {
    if (slot < 1 || slot > Box::kSlots) {
        throw std::out_of_range("Kartenplatz " + std::to_string(slot) + " gibt es nicht");
    }
}

const CardRecord kBlank;

std::atomic<std::uint64_t> lastStamp{0};

}  // namespace

void Box::restamp() {
    stamp_ = lastStamp.fetch_add(1, std::memory_order_relaxed) + 1;
}

Box::Box(const Box& other) : anz(other.anz), pos(other.pos), stored_(other.stored_) {
    restamp();
    slots_.reserve(other.slots_.size());
    try {
        for (const Slot& slot : other.slots_) {
            const CardRecord* record = slot.record();
            slots_.push_back(record ? Slot::of(new CardRecord(*record)) : slot);
        }
    } catch (...) {
        dropFrom(0);
        throw;
    }
}

Box::Box(Box&& other) noexcept
    : anz(other.anz),
      pos(other.pos),
      slots_(std::exchange(other.slots_, {})),
      stored_(std::move(other.stored_)) {
    restamp();
    other.restamp();
}

Box::~Box() {
    dropFrom(0);
}

Box& Box::operator=(const Box& other) {
    if (this != &other) *this = Box(other);
    return *this;
}

Box& Box::operator=(Box&& other) noexcept {
    if (this == &other) return *this;
    changing(0);
    dropFrom(0);
    anz = other.anz;
    pos = other.pos;
    slots_ = std::exchange(other.slots_, {});
    stored_ = std::move(other.stored_);
    other.restamp();
    return *this;
}

void Box::Slots::resize(std::size_t size) {
    if (size == 0) {
        row_.clear();
        front_ = 0;
    } else {
        row_.resize(front_ + size);
    }
}

void Box::Slots::dropFirst() {
    ++front_;
    // The entries left behind are let go once they outnumber the slots, so that every slot
    // is moved once for each as many slots taken out.
    if (front_ >= 64 && front_ > size()) {
        row_.erase(row_.begin(), begin());
        front_ = 0;
    }
}

void Box::dropFrom(std::size_t first) {
    for (std::size_t i = first; i < slots_.size(); ++i) delete slots_[i].record();
    if (first < slots_.size()) slots_.resize(first);
}

CardRecord& Box::decoded(Slot& slot) const {
    if (CardRecord* record = slot.record()) return *record;
    auto record = std::make_unique<CardRecord>();
    stored_->decode(slot.at(), *record);
    slot = Slot::of(record.release());
    return *slot.record();
}

Box::Slot& Box::slotAt(int slot) {
    const auto index = static_cast<std::size_t>(slot - 1);
    while (slots_.size() <= index) {
        auto blank = std::make_unique<CardRecord>();
        slots_.push_back(Slot::of(blank.get()));
        blank.release();
    }
    return slots_[index];
}

CardRecord& Box::reach(int slot) {
    return decoded(slotAt(slot));
}

void Box::put(Slot& slot, const CardRecord& card) {
    if (CardRecord* record = slot.record()) {
        *record = card;
    } else {
        slot = Slot::of(std::make_unique<CardRecord>(card).release());
    }
}

void Box::put(Slot& slot, CardRecord&& card) {
    if (CardRecord* record = slot.record()) {
        *record = std::move(card);
    } else {
        slot = Slot::of(std::make_unique<CardRecord>(std::move(card)).release());
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
    if (const CardRecord* record = s.record()) return *record;
    stored_->decode(s.at(), scratch);
    return scratch;
}

bool Box::append(const CardRecord& card) {
    if (full()) return false;
    changing(anz + 1);
    put(slotAt(anz + 1), card);
    ++anz;
    return true;
}

bool Box::append(CardRecord&& card) {
    if (full()) return false;
    changing(anz + 1);
    if (slots_.size() == static_cast<std::size_t>(anz)) {
        // A fresh slot takes the record itself, without a blank one first.
        auto record = std::make_unique<CardRecord>(std::move(card));
        slots_.push_back(Slot::of(record.get()));
        record.release();
    } else {
        put(slotAt(anz + 1), std::move(card));
    }
    ++anz;
    return true;
}

void Box::remove(int slot, const CardRecord& vacated) {
    checkSlot(slot);
    if (slot > anz) return;
    changing(slot, true);
    slotAt(anz);
    const auto before = static_cast<std::size_t>(slot - 1);
    const auto behind = static_cast<std::size_t>(anz - slot);
    const std::size_t beyond = slots_.size() - static_cast<std::size_t>(anz);
    if (before + beyond < behind) {
        // The cards in front step back a slot and the row starts one later; the taken card's
        // record goes behind the last card, pushing the records beyond the cards on by one.
        const Slot taken = slots_[before];
        std::move_backward(slots_.begin(), slots_.begin() + before, slots_.begin() + before + 1);
        slots_.dropFirst();
        slots_.insert(static_cast<std::size_t>(anz - 1), taken);
    } else {
        const auto first = slots_.begin() + (slot - 1);
        std::rotate(first, first + 1, slots_.begin() + anz);
    }
    put(slots_[static_cast<std::size_t>(anz - 1)], vacated);
    --anz;
}

void Box::permute(const std::vector<int>& to) {
    const int count = static_cast<int>(to.size()) - 1;
    if (count < 1) return;
    checkSlot(count);
    // Two cards in one slot would leave a record owned twice.
    std::vector<bool> taken(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        const int target = to[static_cast<std::size_t>(i)];
        if (target < 1 || target > count || taken[static_cast<std::size_t>(target - 1)]) {
            throw std::invalid_argument("keine Umordnung der Kartenplätze");
        }
        taken[static_cast<std::size_t>(target - 1)] = true;
    }
    changing(0);
    slotAt(count);
    const std::vector<Slot> before(slots_.begin(), slots_.begin() + count);
    for (int i = 1; i <= count; ++i) {
        slots_[static_cast<std::size_t>(to[static_cast<std::size_t>(i)] - 1)] =
            before[static_cast<std::size_t>(i - 1)];
    }
}

void Box::clear() {
    changing(0);
    dropFrom(0);
    stored_.reset();
    anz = 0;
    pos = 0;
}

void Box::holdStored(std::shared_ptr<const StoredCards> cards, std::vector<std::uint32_t> starts) {
    changing(0);
    dropFrom(0);
    slots_.reserve(starts.size());
    for (std::uint32_t at : starts) slots_.push_back(Slot::storedAt(at));
    stored_ = std::move(cards);
}

std::size_t Box::sizeHint() const {
    std::size_t size = stored_ ? stored_->size() : 0;
    for (const Slot& slot : slots_) {
        if (slot.record() == nullptr) continue;
        const CardRecord& card = *slot.record();
        for (const CardField& field : kCardFields) size += (card.*field.text).size();
        size += card.medium.size() + 96;
    }
    return size;
}

std::optional<std::uint32_t> Box::storedAt(int slot) const {
    const auto index = static_cast<std::size_t>(slot - 1);
    if (slot < 1 || index >= slots_.size() || slots_[index].record() != nullptr) return {};
    return slots_[index].at();
}

std::optional<std::array<std::string_view, 2>> Box::storedTexts(
    int slot, std::array<std::string, 2>& scratch) const {
    const auto at = storedAt(slot);
    return at ? stored_->texts(*at, scratch) : std::nullopt;
}

void Box::keepRecords(int count) {
    restamp();
    dropFrom(static_cast<std::size_t>(std::max(count, 0)));
}

void Box::reinsert(int slot, int end, const CardRecord& card) {
    checkSlot(slot);
    checkSlot(end);
    restamp();
    slotAt(end);
    const auto first = slots_.begin() + (slot - 1);
    std::rotate(first, slots_.begin() + (end - 1), slots_.begin() + end);
    put(slots_[static_cast<std::size_t>(slot - 1)], card);
}

}  // namespace memvalo
