#include "exchange/pauker_lesson.h"

#include <algorithm>

#include "core/text_encoding.h"
#include "exchange/import_refusal.h"
#include "exchange/xml_tree.h"

namespace memvalo {

namespace {

// Unlearned, ultra-short-term and short-term memory come before the long-term batches.
constexpr int kFirstLongTermBatch = 3;

std::string sideText(const XmlElement& card, std::string_view side) {
    const XmlElement* element = card.child(side);
    return element == nullptr ? std::string() : trimBlanks(element->childText("Text"));
}

}  // namespace

int paukerBox(int batch) {
    if (batch < kFirstLongTermBatch) return 1;
    return std::min(batch - kFirstLongTermBatch + 2, 5);
}

Deck readPaukerLesson(std::string_view xml) {
    const XmlElement root = parseXml(xml);
    if (root.name != "Lesson") throw ImportRefusal("sie ist keine Pauker-Lektion");
    Deck deck;
    deck.format = "Pauker-Lektion";
    int batch = 0;
    for (const XmlElement& element : root.children) {
        if (element.name != "Batch") continue;
        for (const XmlElement& c : element.children) {
            if (c.name != "Card") continue;
            ImportedCard card;
            card.frage = sideText(c, "FrontSide");
            card.antwort = sideText(c, "ReverseSide");
            card.box = paukerBox(batch);
            deck.cards.push_back(std::move(card));
        }
        ++batch;
    }
    return deck;
}

}  // namespace memvalo
