#pragma once
// One box of the card file: slots 1..2000, the cards without gaps in slots 1..anz.
#include <memory>
#include <vector>

#include "core/card_record.h"

namespace memvalo {

class Box;

// Told just before a box's cards may change, while the old cards are still there: `slot` is
// the slot handed out for writing or being removed, 0 when the whole box is replaced.
class BoxObserver {
  public:
    virtual void beforeChange(Box& box, int slot, bool removal) = 0;

  protected:
    ~BoxObserver() = default;
};

class Box {
  public:
    static constexpr int kSlots = 2000;

    // The fill count and the current position (the slot being shown or asked).
    int anz = 0;
    int pos = 0;

    Box() = default;
    // A copy or a move carries the cards, never the observer.
    Box(const Box& other);
    Box(Box&& other) noexcept;
    Box& operator=(const Box& other);
    Box& operator=(Box&& other) noexcept;
    ~Box() = default;

    // Slot access, 1..2000; any other slot number is a programming error and throws. A slot
    // never filled reads as a blank record.
    CardRecord& operator[](int slot);
    const CardRecord& operator[](int slot) const;

    bool full() const { return anz >= kSlots; }
    // Puts the card behind the last one; false (and nothing changed) when all slots are taken.
    bool append(const CardRecord& card);
    // Takes the card out of `slot`; the following cards move up one slot, and the slot left
    // at the end (the last card's) then holds `vacated`.
    void remove(int slot, const CardRecord& vacated = {});
    // Empties the box: every slot blank, count and position 0.
    void clear();

    // Room for the records of `count` slots, made as they are reached.
    void reserve(int count) { slots_.reserve(static_cast<std::size_t>(count)); }
    // The records made so far: the slots reached, never more.
    int records() const { return static_cast<int>(slots_.size()); }
    // Cuts the records back to the first `count` (undoing records made since).
    void keepRecords(int count);
    // Puts the record at `slot` back where the last one of the first `end` slots is and moves
    // the records between up again: the inverse of remove(slot) on a box of `end` cards.
    void reinsert(int slot, int end, const CardRecord& card);

    void observe(BoxObserver* observer) { observer_ = observer; }
    BoxObserver* observer() const { return observer_; }

  private:
    // The record of a slot, made when first reached; no observer is told.
    CardRecord& reach(int slot);
    void changing(int slot, bool removal = false) {
        if (observer_ != nullptr) observer_->beforeChange(*this, slot, removal);
    }

    // Slot n at index n - 1. The records are held by pointer, so a removal moves pointers and
    // never another card's record.
    std::vector<std::unique_ptr<CardRecord>> slots_;
    BoxObserver* observer_ = nullptr;
};

}  // namespace memvalo
