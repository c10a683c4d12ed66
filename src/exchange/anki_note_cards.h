#pragma once
// Which fields of an Anki note make the question, the answer and the extra texts of a card.
#include <array>
#include <optional>
#include <string>
#include <string_view>
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

// Makes the cards of the notes of one note type; its templates are read once, not per note.
class AnkiCardMaker {
  public:
    explicit AnkiCardMaker(const AnkiNoteType& type);

    // The texts and media of the card `ord` of a note with these field values (HTML). The
    // question is the first field the card's question format names, the answer the first
    // other field its answer format names, the next two non-empty fields the extra texts. A
    // cloze note's card `ord` asks for cloze number ord + 1. Box and wrong count are the
    // caller's.
    ImportedCard card(const std::vector<std::string_view>& values, int ord) const;

  private:
    using FieldPair = std::array<std::size_t, 2>;  // question and answer field

    ImportedCard clozeCard(const std::vector<std::string_view>& values, int ord) const;

    bool cloze_ = false;
    std::size_t clozeField_ = 0;
    // Per template: the fields it asks and answers, nothing where it does not name both.
    std::vector<std::optional<FieldPair>> templateFields_;
};

}  // namespace memvalo
