#pragma once
// The whole learning set in memory: five boxes, their capacities and shown counts, and the
// work records through which a card travels between a box and the window.
#include <array>

#include "core/box.h"

namespace memvalo {

struct CardStore {
    static constexpr std::array<int, 5> kDefaultSoll = {250, 500, 850, 1200, 2000};

    std::array<Box, 5> boxes;
    std::array<int, 5> soll = kDefaultSoll;
    std::array<int, 5> ist = {0, 0, 0, 0, 0};

    // maskeds is the entry record and the work record of box 1; kds[n] that of box n (2..5).
    CardRecord maskeds;
    std::array<CardRecord, 6> kds;
    CardRecord leerds;
    std::array<CardRecord, 6> leerdsk;

    // Box by its number 1..5, as the program counts them.
    Box& k(int box) { return boxes.at(static_cast<std::size_t>(box - 1)); }
    const Box& k(int box) const { return boxes.at(static_cast<std::size_t>(box - 1)); }
    CardRecord& workRecord(int box) { return box == 1 ? maskeds : kds.at(box); }

    void clearBoxes();
};

// Empty templates: a new card carries today's date, the box templates carry no date at all.
void leerds_erstellen(CardStore& store, const std::string& today);
void leerdsk_erstellen(CardStore& store, int box);

}  // namespace memvalo
