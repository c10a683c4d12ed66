#include "core/box.h"
#include "core/box_snapshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace memvalo {
namespace {

CardRecord card(const std::string& frage) {
    CardRecord r;
    r.frage = frage;
    return r;
}

TEST(FixedText, PadsCutsAndKeepsLeadingBlanks) {
    EXPECT_EQ(FixedText().text(), "          ");
    EXPECT_EQ(FixedText("3").text(), "3         ");
    EXPECT_EQ(FixedText("2026-12-06 Sonntag").text(), "2026-12-06");
    EXPECT_EQ(FixedText(" 1").text(), " 1        ");
    EXPECT_EQ(FixedText("äöüäöüäöüäöü").text(), "äöüäöüäöüä");
}

TEST(Box, AppendsRemovesAndRefusesSlot2001) {
    Box box;
    for (int i = 1; i <= Box::kSlots; ++i) ASSERT_TRUE(box.append(card(std::to_string(i))));
    EXPECT_FALSE(box.append(card("zu viel")));
    EXPECT_EQ(box.anz, 2000);
    EXPECT_EQ(box[2000].frage, "2000");

    box.remove(1);
    EXPECT_EQ(box.anz, 1999);
    EXPECT_EQ(box[1].frage, "2");
    EXPECT_EQ(box[1999].frage, "2000");
    EXPECT_EQ(box[2000], CardRecord{});
    EXPECT_THROW(box[0], std::out_of_range);

    // A removal leaves what it is given in the slot it frees; reinsert undoes it exactly.
    Box small;
    for (const char* f : {"a", "b", "c"}) small.append(card(f));
    small[4] = card("behind");
    small.remove(1, card("frei"));
    EXPECT_EQ(small.anz, 2);
    EXPECT_EQ(small[2].frage + small[3].frage + small[4].frage, "cfreibehind");
    small.reinsert(1, 3, card("a"));
    EXPECT_EQ(small[1].frage + small[2].frage + small[3].frage + small[4].frage, "abcbehind");
    EXPECT_THROW(box[2001], std::out_of_range);
}

// Whichever way a removal moves the slots (the cards before it, or all behind it), every slot
// ends as if the cards behind had moved up, with the records beyond the cards kept in place.
TEST(Box, RemovalsAnywhereKeepEverySlotAsMovingTheCardsUpWould) {
    Box box;
    std::vector<std::string> model;  // the question of each slot reached, slot 1 first
    int anz = 0;
    std::mt19937 random(7);
    for (int step = 0; step < 3000; ++step) {
        const int choice = static_cast<int>(random() % 10);
        if (choice < 4 && anz < Box::kSlots) {
            const std::string name = "k" + std::to_string(step);
            box.append(card(name));
            if (static_cast<std::size_t>(anz) < model.size()) {
                model[static_cast<std::size_t>(anz)] = name;
            } else {
                model.push_back(name);
            }
            ++anz;
        } else if (anz > 0) {
            const int slot = choice < 8 ? 1 + static_cast<int>(random() % 3)
                                        : 1 + static_cast<int>(random() % anz);
            if (slot > anz) continue;
            const std::string vacated = "v" + std::to_string(step);
            box.remove(slot, card(vacated));
            model.erase(model.begin() + slot - 1);
            model.insert(model.begin() + anz - 1, vacated);
            --anz;
        }
        ASSERT_EQ(box.anz, anz);
        ASSERT_EQ(static_cast<std::size_t>(box.records()), model.size());
    }
    for (std::size_t i = 0; i < model.size(); ++i) {
        EXPECT_EQ(box[static_cast<int>(i) + 1].frage, model[i]) << "slot " << i + 1;
    }
    const Box copy = box;
    EXPECT_EQ(copy[1].frage, model.front());
    EXPECT_EQ(copy[copy.records()].frage, model.back());
}

// Stored cards whose question is their start, counting how often one is decoded.
struct CountingCards final : StoredCards {
    mutable int decoded = 0;
    void decode(std::uint32_t at, CardRecord& into) const override {
        ++decoded;
        into = card("s" + std::to_string(at));
    }
    std::size_t size() const override { return 0; }
    std::string_view bytes() const override { return {}; }
    int boxNumber() const override { return 0; }
    std::size_t writtenEnd(std::uint32_t, FalschForm) const override {
        return std::string_view::npos;
    }
};

TEST(Box, StoredCardsAreDecodedOnceWhenReachedAndMoveLikeOthers) {
    auto stored = std::make_shared<CountingCards>();
    Box box;
    box.holdStored(stored, {1, 2, 3});
    box.anz = 3;
    CardRecord scratch;
    EXPECT_EQ(box.peek(2, scratch).frage, "s2");
    EXPECT_EQ(box.peek(2, scratch).frage, "s2");
    EXPECT_EQ(stored->decoded, 2);  // a look keeps nothing decoded
    EXPECT_EQ(std::as_const(box)[2].frage, "s2");
    EXPECT_EQ(box.peek(2, scratch).frage, "s2");
    EXPECT_EQ(stored->decoded, 3);  // reached once, decoded for good

    const Box copy = box;
    box.remove(1, card("frei"));
    box.append(card("neu"));
    EXPECT_EQ(box[1].frage + box[2].frage + box[3].frage, "s2s3neu");
    box.reinsert(1, 3, card("s1"));
    EXPECT_EQ(box[1].frage + box[2].frage + box[3].frage, "s1s2s3");
    EXPECT_EQ(copy[1].frage + copy[2].frage + copy[3].frage, "s1s2s3");
}

// A snapshot sees every change of a card, a count or an order, and none after a change and
// its undoing, whether the cards were reached or still stored.
TEST(BoxSnapshot, SeesChangesButNotUndoneOnes) {
    const std::vector<std::pair<const char*, std::function<void(Box&)>>> changes = {
        {"", [](Box& b) { b[2]; }},
        {"", [](Box& b) { b[2].frage = "s2"; }},
        {"",
         [](Box& b) {
             b.permute({0, 1, 2, 3});
         }},
        {"",
         [](Box& b) {
             const CardRecord taken = std::as_const(b)[1];
             b.remove(1);
             b.reinsert(1, 3, taken);
             b.anz = 3;
         }},
        {"x", [](Box& b) { b[3].frage = "anders"; }},
        {"x", [](Box& b) { b[1].falsch = "1"; }},
        {"x",
         [](Box& b) {
             b.permute({0, 2, 1, 3});
         }},
        {"x", [](Box& b) { b.remove(3); }},
        {"x", [](Box& b) { b.append(card("neu")); }},
        {"x", [](Box& b) { b = Box(); }},
    };
    for (const bool reached : {false, true}) {
        for (const auto& [changed, change] : changes) {
            Box box;
            box.holdStored(std::make_shared<CountingCards>(), {1, 2, 3});
            box.anz = 3;
            if (reached) std::as_const(box)[2];
            const BoxSnapshot saved(box);
            change(box);
            EXPECT_EQ(!saved.matches(box), *changed == 'x') << reached;
        }
    }
}

}  // namespace
}  // namespace memvalo
