#pragma once
// What an answer did to the boxes, kept so that it can be taken back without a copy of the
// set: while the answer runs, every card it is about to change or remove is noted as it was;
// afterwards the journal keeps each card as the answer left it when something first reaches
// it, to tell later whether it still is.
#include <array>
#include <bitset>
#include <optional>
#include <vector>

#include "core/card_store.h"

namespace memvalo {

class AnswerJournal final : public BoxObserver {
  public:
    explicit AnswerJournal(CardStore& store);
    ~AnswerJournal();
    AnswerJournal(const AnswerJournal&) = delete;
    AnswerJournal& operator=(const AnswerJournal&) = delete;

    // Starts over for the next answer, keeping the room the last one's notes took.
    void restart();
    // The answer is done: from now on the journal only watches.
    void answered();
    // Whether any card, fill count or capacity differs from what the answer left.
    bool changedSinceAnswer() const;
    // Puts every box back as it was before the answer; the journal is spent.
    void undo();

    void beforeChange(Box& box, int slot, bool removal) override;

  private:
    struct Change {
        int slot = 0;  // 0: the whole box was replaced
        bool removal = false;
        int end = 0;  // the fill count when the card was removed
        CardRecord before;
        std::optional<Box> wholeBox;
    };
    struct BoxBefore {
        int anz = 0;
        int pos = 0;
        int records = 0;
        // The first `used` changes are this answer's; the others are room kept for the next.
        std::vector<Change> changes;
        std::size_t used = 0;
    };
    // A card reached since the answer, as the answer left it.
    struct Reached {
        std::size_t box = 0;
        int slot = 0;
        CardRecord after;
    };

    void detach();
    void watch(std::size_t box, int slot, bool removal);

    CardStore& store_;
    std::array<BoxBefore, 5> boxes_;
    bool watching_ = false;
    std::array<int, 5> anzAfter_{};
    std::array<int, 5> sollAfter_{};
    std::vector<Reached> reached_;
    std::array<std::bitset<Box::kSlots + 1>, 5> isReached_{};
    // A card was removed or a whole box replaced since the answer.
    bool reshaped_ = false;
};

}  // namespace memvalo
