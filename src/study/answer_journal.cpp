#include "study/answer_journal.h"

#include <utility>

#include "core/card_fingerprint.h"

namespace memvalo {

AnswerJournal::AnswerJournal(CardStore& store) : store_(store) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        Box& box = store_.boxes[i];
        boxes_[i] = {box.anz, box.pos, box.records(), {}};
        box.observe(this);
    }
}

AnswerJournal::~AnswerJournal() {
    detach();
}

void AnswerJournal::detach() {
    for (Box& box : store_.boxes) {
        if (box.observer() == this) box.observe(nullptr);
    }
}

void AnswerJournal::answered() {
    watching_ = true;
    for (std::size_t i = 0; i < boxes_.size(); ++i) anzAfter_[i] = store_.boxes[i].anz;
    sollAfter_ = store_.soll;
}

// Slot access for reading also lands here, so a card reached is kept and compared later, not
// taken as changed.
void AnswerJournal::watch(std::size_t box, int slot, bool removal) {
    if (slot == 0 || removal) {
        reshaped_ = true;
        detach();
        return;
    }
    const auto bit = static_cast<std::size_t>(slot);
    if (isReached_[box][bit]) return;
    isReached_[box][bit] = true;
    reached_.push_back({box, slot, std::as_const(store_.boxes[box])[slot]});
}

void AnswerJournal::beforeChange(Box& box, int slot, bool removal) {
    const auto index = static_cast<std::size_t>(&box - store_.boxes.data());
    if (watching_) {
        watch(index, slot, removal);
        return;
    }
    Change change{slot, removal, box.anz, {}, {}};
    if (slot == 0) {
        change.wholeBox.emplace(box);
    } else {
        change.before = std::as_const(box)[slot];
    }
    boxes_[index].changes.push_back(std::move(change));
}

bool AnswerJournal::changedSinceAnswer() const {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (store_.boxes[i].anz != anzAfter_[i]) return true;
    }
    if (store_.soll != sollAfter_ || reshaped_) return true;
    for (const Reached& card : reached_) {
        const CardRecord& now = std::as_const(store_.boxes[card.box])[card.slot];
        if (cardFingerprint(now) != cardFingerprint(card.after)) return true;
    }
    return false;
}

void AnswerJournal::undo() {
    detach();
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        Box& box = store_.boxes[i];
        BoxBefore& before = boxes_[i];
        for (auto change = before.changes.rbegin(); change != before.changes.rend(); ++change) {
            if (change->wholeBox) {
                box = std::move(*change->wholeBox);
            } else if (change->removal) {
                box.reinsert(change->slot, change->end, change->before);
            } else {
                box[change->slot] = change->before;
            }
        }
        box.keepRecords(before.records);
        box.anz = before.anz;
        box.pos = before.pos;
    }
}

}  // namespace memvalo
