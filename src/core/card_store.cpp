#include "core/card_store.h"

#include "core/text_encoding.h"

namespace memvalo {

void CardStore::clearBoxes() {
    for (Box& box : boxes) box.clear();
}

void leerds_erstellen(CardStore& store, const std::string& today) {
    store.leerds = CardRecord{};
    store.leerds.erstellt = trimBlanks(today);
}

void leerdsk_erstellen(CardStore& store, int box) {
    store.leerdsk.at(box) = CardRecord{};
}

}  // namespace memvalo
