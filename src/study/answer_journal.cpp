#include "study/answer_journal.h"

#include <iterator>
#include <utility>

#include "core/card_fingerprint.h"

namespace memvalo {

AnswerJournal::AnswerJournal(CardStore& store) : store_(store) {
    restart();
}

void AnswerJournal::restart() {
    for (const Reached& card : reached_) {
        isReached_[card.box][static_cast<std::size_t>(card.slot)] = false;
    }
    reached_.clear();
    watching_ = false;
    reshaped_ = false;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        Box& box = store_.boxes[i];
        BoxBefore& before = boxes_[i];
        before.anz = box.anz;
        before.pos = box.pos;
        before.records = box.records();
        // A whole box kept for the last answer is let go; a card's room is kept.
        for (std::size_t c = 0; c < before.used; ++c) before.changes[c].wholeBox.reset();
        before.used = 0;
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
    BoxBefore& before = boxes_[index];
    if (before.used == before.changes.size()) before.changes.emplace_back();
    Change& change = before.changes[before.used++];
    change.slot = slot;
    change.removal = removal;
    change.end = box.anz;
    change.wholeBox.reset();
    if (slot == 0) {
        change.wholeBox.emplace(box);
    } else {
        change.before = std::as_const(box)[slot];
    }
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
        const auto used = before.changes.begin() + static_cast<std::ptrdiff_t>(before.used);
        for (auto change = std::make_reverse_iterator(used); change != before.changes.rend();
             ++change) {
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
