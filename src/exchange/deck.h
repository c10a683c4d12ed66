#pragma once
// A deck read from another flash-card program, before it becomes learning sets: its cards in
// the order of the source, each with the box that matches how well it was known there.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace memvalo {

struct ImportedCard {
    // Plain UTF-8 text; line breaks as "\n".
    std::string frage;
    std::string antwort;
    std::string zusatz1;
    std::string zusatz2;
    int box = 1;  // 1..5
    int falsch = 0;
    // The first picture, else the first sound: a name the deck's media source knows.
    std::string medium;
    // The card names further media that cannot come along.
    bool moreMedia = false;
    // The deck (Anki) the card belongs to; empty where a format has no decks.
    std::string stapel;
};

// Where the files a card names are found.
class MediaSource {
  public:
    virtual ~MediaSource() = default;
    // The file's bytes; nothing when it is missing or cannot be read.
    virtual std::optional<std::string> read(const std::string& name) const = 0;
};

enum class DeckChoiceKind { None, Stapel, Sprachen };

struct Deck {
    std::string format;  // "Anki-Paket", ...
    std::vector<ImportedCard> cards;
    // The decks of a package, or the languages of a vocabulary file, in source order.
    DeckChoiceKind choiceKind = DeckChoiceKind::None;
    std::vector<std::string> choices;
    std::shared_ptr<const MediaSource> media;
};

// How the learner wants the deck read: one deck of a package (empty for all of them), the
// question and the answer language of a vocabulary file.
struct DeckOptions {
    std::string stapel;
    int frageSprache = 0;
    int antwortSprache = 1;
};

}  // namespace memvalo
