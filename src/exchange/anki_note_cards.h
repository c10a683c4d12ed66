#pragma once
// Which fields of an Anki note make the question, the answer and the extra texts of a card.
#include <string>
#include <vector>

#include "exchange/deck.h"

namespace memvalo {

struct AnkiTemplate {
    std::string frageFormat;    // e.g. "{{Front}}"
    std::string antwortFormat;  // e.g. "{{FrontSide}}<hr id=answer>{{Back}}"
};

struct AnkiNoteType {
    bool cloze = false;
    std::vector<std::string> fields;  // names in field order
    std::vector<AnkiTemplate> templates;
};

// The texts and media of the card `ord` of a note with these field values (HTML). The question
// is the first field the card's question format names, the answer the first other field its
// answer format names, the next two non-empty fields the extra texts. A cloze note's card `ord`
// asks for cloze number ord + 1. Box and wrong count are the caller's.
ImportedCard ankiCard(const AnkiNoteType& type, const std::vector<std::string>& values, int ord);

}  // namespace memvalo
