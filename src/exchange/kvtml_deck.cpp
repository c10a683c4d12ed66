#include "exchange/kvtml_deck.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "core/safe_file.h"
#include "core/text_encoding.h"
#include "exchange/import_refusal.h"
#include "exchange/xml_tree.h"

namespace memvalo {

namespace {

constexpr std::string_view kFileScheme = "file://";

class FolderMedia : public MediaSource {
  public:
    explicit FolderMedia(std::string folder) : folder_(std::move(folder)) {}
    std::optional<std::string> read(const std::string& name) const override {
        std::string path = name.starts_with(kFileScheme) ? name.substr(kFileScheme.size()) : name;
        if (!path.starts_with('/')) path = folder_ + path;
        std::string bytes;
        if (readWholeFile(path, bytes, kMaxBoxFileBytes)) return std::nullopt;
        return bytes;
    }

  private:
    std::string folder_;
};

int number(const std::string& text) {
    const std::string trimmed = trimBlanks(text);
    int value = 0;
    std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    return value;
}

const XmlElement* translation(const XmlElement& entry, int id) {
    for (const XmlElement& t : entry.children) {
        if (t.name == "translation" && number(t.attribute("id")) == id &&
            !trimBlanks(t.attribute("id")).empty()) {
            return &t;
        }
    }
    return nullptr;
}

const XmlElement* gradeFrom(const XmlElement& answer, int fromId) {
    for (const XmlElement& g : answer.children) {
        if (g.name == "grade" && number(g.attribute("fromid")) == fromId) return &g;
    }
    return nullptr;
}

std::string joinedLines(const std::string& a, const std::string& b) {
    const std::string first = trimBlanks(a);
    const std::string second = trimBlanks(b);
    if (first.empty() || second.empty()) return first + second;
    return first + "\n" + second;
}

void takeMedia(ImportedCard& card, const XmlElement* frage, const XmlElement* antwort) {
    std::vector<std::string> media;
    for (const char* kind : {"image", "sound"}) {
        for (const XmlElement* side : {frage, antwort}) {
            if (side == nullptr) continue;
            const std::string url = trimBlanks(side->childText(kind));
            if (!url.empty()) media.push_back(url);
        }
    }
    if (media.empty()) return;
    card.medium = media.front();
    card.moreMedia = media.size() > 1;
}

bool inactive(const XmlElement& entry) {
    return trimBlanks(entry.childText("inactive")) == "true";
}

ImportedCard cardOf(const XmlElement& entry, int frageId, int antwortId, bool oneLanguage) {
    const XmlElement* frage = translation(entry, frageId);
    const XmlElement* antwort = oneLanguage ? nullptr : translation(entry, antwortId);
    ImportedCard card;
    if (frage != nullptr) card.frage = trimBlanks(frage->childText("text"));
    if (oneLanguage) {
        if (frage != nullptr) card.antwort = trimBlanks(frage->childText("comment"));
        if (frage != nullptr) card.zusatz1 = trimBlanks(frage->childText("pronunciation"));
    } else {
        if (antwort != nullptr) card.antwort = trimBlanks(antwort->childText("text"));
        if (frage != nullptr) {
            card.zusatz1 =
                joinedLines(frage->childText("comment"), frage->childText("pronunciation"));
        }
        if (antwort != nullptr) {
            card.zusatz2 =
                joinedLines(antwort->childText("comment"), antwort->childText("pronunciation"));
        }
    }
    const XmlElement* graded = oneLanguage ? frage : antwort;
    const XmlElement* grade = nullptr;
    if (graded != nullptr) {
        grade = oneLanguage ? graded->child("grade") : gradeFrom(*graded, frageId);
    }
    if (grade != nullptr) {
        card.box = kvtmlBox(number(grade->childText("currentgrade")));
        card.falsch = std::clamp(number(grade->childText("errorcount")), 0, 999999);
    }
    takeMedia(card, frage, antwort);
    return card;
}

}  // namespace

int kvtmlBox(int grade) {
    if (grade >= 7) return 5;
    if (grade >= 5) return 4;
    if (grade >= 3) return 3;
    if (grade >= 1) return 2;
    return 1;
}

Deck readKvtml(std::string_view text, const DeckOptions& options, const std::string& folder) {
    const XmlElement root = parseXml(text);
    if (root.name != "kvtml") throw ImportRefusal("sie ist keine KVTML-Datei");
    Deck deck;
    deck.format = "Parley-Vokabeldatei (KVTML)";
    deck.choiceKind = DeckChoiceKind::Sprachen;
    std::vector<int> ids;
    if (const XmlElement* identifiers = root.child("identifiers")) {
        for (const XmlElement& identifier : identifiers->children) {
            if (identifier.name != "identifier") continue;
            ids.push_back(number(identifier.attribute("id")));
            const std::string name = trimBlanks(identifier.childText("name"));
            deck.choices.push_back(name.empty() ? trimBlanks(identifier.childText("locale"))
                                                : name);
        }
    }
    const auto languages = static_cast<int>(ids.size());
    const bool oneLanguage = languages < 2;
    const auto idOf = [&](int choice) {
        if (choice < 0 || choice >= std::max(languages, 1)) {
            throw ImportRefusal("die Datei hat keine Sprache Nummer " + std::to_string(choice));
        }
        return languages == 0 ? 0 : ids[static_cast<std::size_t>(choice)];
    };
    const int frageId = idOf(options.frageSprache);
    const int antwortId = oneLanguage ? frageId : idOf(options.antwortSprache);
    if (!oneLanguage && frageId == antwortId) {
        throw ImportRefusal("Frage- und Antwortsprache sind dieselbe");
    }
    if (const XmlElement* entries = root.child("entries")) {
        for (const XmlElement& entry : entries->children) {
            if (entry.name != "entry" || inactive(entry)) continue;
            ImportedCard card = cardOf(entry, frageId, antwortId, oneLanguage);
            if (card.frage.empty() && card.antwort.empty()) continue;
            deck.cards.push_back(std::move(card));
        }
    }
    deck.media = std::make_shared<FolderMedia>(folder);
    return deck;
}

}  // namespace memvalo
