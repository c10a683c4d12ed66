#pragma once
// One box of the card file: slots 1..2000, the cards without gaps in slots 1..anz.
#include <deque>

#include "core/card_record.h"

namespace memvalo {

class Box {
  public:
    static constexpr int kSlots = 2000;

    // The fill count and the current position (the slot being shown or asked).
    int anz = 0;
    int pos = 0;

    // Slot access, 1..2000; any other slot number is a programming error and throws. A slot
    // never filled reads as a blank record.
    CardRecord& operator[](int slot);
    const CardRecord& operator[](int slot) const;

    bool full() const { return anz >= kSlots; }
    // Puts the card behind the last one; false (and nothing changed) when all slots are taken.
    bool append(const CardRecord& card);
    // Takes the card out of `slot`; the following cards move up one slot.
    void remove(int slot);
    // Empties the box: every slot blank, count and position 0.
    void clear();

  private:
    // Records are only made for the slots reached so far; a deque keeps references to its
    // records valid while later slots are added.
    std::deque<CardRecord> slots_;
};

}  // namespace memvalo
