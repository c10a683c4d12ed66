#include "core/card_fingerprint.h"

#include <string>

#include "core/card_fields.h"

namespace memvalo {

namespace {

void addCard(Fingerprint& f, const CardRecord& r) {
    for (const CardField& field : kCardFields) f.add(r.*field.text);
    f.add(r.medium);
    f.add(r.erstellt.text());
    for (const FixedText& date : r.kasten_am) f.add(date.text());
    // A blank count is saved as "0": both mean the same card.
    f.add(savedFalsch(r.falsch));
}

}  // namespace

void addCards(Fingerprint& f, const CardStore& store) {
    CardRecord scratch;
    for (int box = 1; box <= 5; ++box) {
        const Box& k = store.k(box);
        f.add(k.anz);
        for (int slot = 1; slot <= k.anz; ++slot) addCard(f, k.peek(slot, scratch));
    }
    for (int soll : store.soll) f.add(soll);
}

std::uint64_t cardFingerprint(const CardRecord& card) {
    Fingerprint f;
    addCard(f, card);
    return f.value();
}

std::uint64_t cardsFingerprint(const CardStore& store) {
    Fingerprint f;
    addCards(f, store);
    return f.value();
}

}  // namespace memvalo
