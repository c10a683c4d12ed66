#pragma once
// One box of the card file: slots 1..2000, the cards without gaps in slots 1..anz.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/card_record.h"
#include "core/falsch_form.h"

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

// The cards of a box as its file holds them. A loaded box keeps them so and decodes a card
// only when it is first reached: opening a set then costs little more than reading its files.
class StoredCards {
  public:
    virtual ~StoredCards() = default;
    // Decodes the card whose bytes start at `at` into `card`.
    virtual void decode(std::uint32_t at, CardRecord& card) const = 0;
    // The question and the answer of that card in Windows-1252, other characters as "&#N;",
    // without decoding the rest of it: its stored bytes where they are that already, else
    // made in `scratch`. Nothing when the cards are not held in such a form.
    virtual std::optional<std::array<std::string_view, 2>> texts(
        std::uint32_t, std::array<std::string, 2>&) const {
        return std::nullopt;
    }
    // The stored bytes, about the size the cards take once written again.
    virtual std::size_t size() const = 0;
    // The file's bytes as read, and the box whose file they are.
    virtual std::string_view bytes() const = 0;
    virtual int boxNumber() const = 0;
    // Where the card that starts at `at` ends, when the bytes are known to be just what the
    // writer gives for it in that form: bytes this program wrote. npos when they may be any
    // other way.
    virtual std::size_t writtenEnd(std::uint32_t at, FalschForm form) const = 0;
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
    ~Box();

    // Slot access, 1..2000; any other slot number is a programming error and throws. A slot
    // never filled reads as a blank record.
    CardRecord& operator[](int slot);
    const CardRecord& operator[](int slot) const;
    // The card of a slot for a single look, decoded into `scratch` if it is still stored, so
    // that a pass over every card keeps none of them decoded.
    const CardRecord& peek(int slot, CardRecord& scratch) const;

    bool full() const { return anz >= kSlots; }
    // Puts the card behind the last one; false (and nothing changed) when all slots are taken.
    bool append(const CardRecord& card);
    bool append(CardRecord&& card);
    // Takes the card out of `slot`; the following cards move up one slot, and the slot left
    // at the end (the last card's) then holds `vacated`.
    void remove(int slot, const CardRecord& vacated = {});
    // Puts the card of slot i into slot to[i] for i = 1..to.size() - 1 (to[0] is unused), a
    // permutation of those slots; no card is decoded for it.
    void permute(const std::vector<int>& to);
    // Empties the box: every slot blank, count and position 0.
    void clear();
    // Fills an empty box's first slots with stored cards, one per start; anz is the caller's.
    void holdStored(std::shared_ptr<const StoredCards> cards, std::vector<std::uint32_t> starts);
    // About the bytes the box's cards take when written.
    std::size_t sizeHint() const;
    // The stored cards the box holds, and where a slot's card starts in them while it is
    // still held so; nothing for a slot whose card has a record.
    const std::shared_ptr<const StoredCards>& stored() const { return stored_; }
    std::optional<std::uint32_t> storedAt(int slot) const;
    // The question and the answer of a slot's card still held as stored, as StoredCards::texts.
    std::optional<std::array<std::string_view, 2>> storedTexts(
        int slot, std::array<std::string, 2>& scratch) const;
    // Another value after every change of the cards through the box, never the same for two
    // boxes: an unchanged stamp means unchanged cards, as long as anz is the same too.
    std::uint64_t stamp() const { return stamp_; }

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
    // A slot's card: a record the box owns, or where its stored bytes start. A plain word, so
    // that moving the cards behind a removed one up a slot is one block move.
    struct Slot {
        static Slot of(CardRecord* record) {
            return Slot{reinterpret_cast<std::uintptr_t>(record)};
        }
        static Slot storedAt(std::uint32_t at) { return Slot{(std::uintptr_t{at} << 1) | 1}; }
        CardRecord* record() const {
            return (bits_ & 1) != 0 ? nullptr : reinterpret_cast<CardRecord*>(bits_);
        }
        std::uint32_t at() const { return static_cast<std::uint32_t>(bits_ >> 1); }

        std::uintptr_t bits_;  // a record's address is even; a start is shifted and marked odd
    };

    // The record of a slot, made when first reached; no observer is told.
    CardRecord& reach(int slot);
    // The slot's record, made from its stored card when it has none yet.
    CardRecord& decoded(Slot& slot) const;
    // Makes the slots up to `slot`, so that it can be written without decoding its old card.
    Slot& slotAt(int slot);
    void put(Slot& slot, const CardRecord& card);
    void put(Slot& slot, CardRecord&& card);
    // Deletes the records of the slots from `first` on and drops those slots.
    void dropFrom(std::size_t first);
    void changing(int slot, bool removal = false) {
        restamp();
        if (observer_ != nullptr) observer_->beforeChange(*this, slot, removal);
    }

    void restamp();

    // The slots in a row whose first entries may be left behind: taking out a card near the
    // front, as every answer does, moves the few slots before it instead of all behind it.
    class Slots {
      public:
        std::size_t size() const { return row_.size() - front_; }
        Slot& operator[](std::size_t index) { return row_[front_ + index]; }
        const Slot& operator[](std::size_t index) const { return row_[front_ + index]; }
        auto begin() { return row_.begin() + static_cast<std::ptrdiff_t>(front_); }
        auto end() { return row_.end(); }
        auto begin() const { return row_.begin() + static_cast<std::ptrdiff_t>(front_); }
        auto end() const { return row_.end(); }
        void reserve(std::size_t size) { row_.reserve(front_ + size); }
        void push_back(Slot slot) { row_.push_back(slot); }
        void insert(std::size_t index, Slot slot) { row_.insert(begin() + index, slot); }
        // Keeps the first `size` slots.
        void resize(std::size_t size);
        // Leaves the first slot behind.
        void dropFirst();

      private:
        std::vector<Slot> row_;
        std::size_t front_ = 0;
    };

    // Slot n at index n - 1. The records are held by pointer, so a removal moves pointers and
    // never another card's record. Decoding a stored card on a read changes no card.
    mutable Slots slots_;
    std::shared_ptr<const StoredCards> stored_;
    BoxObserver* observer_ = nullptr;
    std::uint64_t stamp_ = 0;
};

}  // namespace memvalo
