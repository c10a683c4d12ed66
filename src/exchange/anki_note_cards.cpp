#include "exchange/anki_note_cards.h"

#include <algorithm>
#include <optional>

#include "core/text_encoding.h"
#include "exchange/html_to_text.h"

namespace memvalo {

namespace {

constexpr std::string_view kClozeStart = "{{c";

// The names of the fields a template's tags replace, in order ("{{#X}}" sections only test).
std::vector<std::string> namedFields(std::string_view format,
                                     const std::vector<std::string>& fields) {
    std::vector<std::string> out;
    for (std::size_t at = format.find("{{"); at != std::string_view::npos;
         at = format.find("{{", at + 2)) {
        const std::size_t end = format.find("}}", at);
        if (end == std::string_view::npos) break;
        std::string tag = trimBlanks(format.substr(at + 2, end - at - 2));
        if (tag.empty() || tag[0] == '#' || tag[0] == '^' || tag[0] == '/') continue;
        // "type:X", "cloze:X", "hint:X": the field is the last part.
        const std::size_t colon = tag.rfind(':');
        if (colon != std::string::npos) tag = trimBlanks(tag.substr(colon + 1));
        if (std::find(fields.begin(), fields.end(), tag) != fields.end()) out.push_back(tag);
    }
    return out;
}

std::optional<std::size_t> indexOf(const std::vector<std::string>& fields,
                                   const std::string& name) {
    const auto it = std::find(fields.begin(), fields.end(), name);
    if (it == fields.end()) return std::nullopt;
    return static_cast<std::size_t>(it - fields.begin());
}

// "{{c1::Berlin::Stadt}}" with number 1 asked: "[Stadt]"; shown: "Berlin".
std::string clozeText(std::string_view text, int asked, bool answer) {
    std::string out;
    std::size_t i = 0;
    for (std::size_t at = text.find(kClozeStart); at != std::string_view::npos;
         at = text.find(kClozeStart, i)) {
        const std::size_t sep = text.find("::", at);
        const std::size_t end = sep == std::string_view::npos ? sep : text.find("}}", sep);
        if (end == std::string_view::npos) break;
        out += text.substr(i, at - i);
        const std::string_view number = text.substr(at + 3, sep - at - 3);
        std::string_view body = text.substr(sep + 2, end - sep - 2);
        std::string_view hint;
        if (const std::size_t h = body.find("::"); h != std::string_view::npos) {
            hint = body.substr(h + 2);
            body = body.substr(0, h);
        }
        const bool isAsked = number == std::to_string(asked);
        if (isAsked && !answer) {
            out += "[" + std::string(hint.empty() ? "..." : hint) + "]";
        } else {
            out += body;
        }
        i = end + 2;
    }
    out += text.substr(i);
    return out;
}

std::string plain(std::string_view html) {
    return htmlToText(html);
}

void takeMedia(ImportedCard& card, const std::vector<std::string_view>& values) {
    NamedMedia media;
    for (const std::string_view value : values) collectMedia(value, media);
    const std::size_t count = media.pictures.size() + media.sounds.size();
    if (count == 0) return;
    card.medium = media.pictures.empty() ? media.sounds.front() : media.pictures.front();
    card.moreMedia = count > 1;
}

// The next two non-empty fields after the question and answer become the extra texts.
void takeExtras(ImportedCard& card, const std::vector<std::string_view>& values,
                const std::array<std::size_t, 2>& used) {
    std::string* extras[] = {&card.zusatz1, &card.zusatz2};
    std::size_t next = 0;
    for (std::size_t i = 0; i < values.size() && next < 2; ++i) {
        if (i == used[0] || i == used[1]) continue;
        std::string text = plain(values[i]);
        if (!text.empty()) *extras[next++] = std::move(text);
    }
}

}  // namespace

AnkiCardMaker::AnkiCardMaker(const AnkiNoteType& type) : cloze_(type.cloze) {
    if (!type.templates.empty()) {
        const auto named = namedFields(type.templates.front().frageFormat, type.fields);
        if (!named.empty()) clozeField_ = indexOf(type.fields, named.front()).value_or(0);
    }
    for (const AnkiTemplate& t : type.templates) {
        std::optional<std::size_t> frage;
        std::optional<std::size_t> antwort;
        const auto asked = namedFields(t.frageFormat, type.fields);
        if (!asked.empty()) frage = indexOf(type.fields, asked.front());
        for (const std::string& name : namedFields(t.antwortFormat, type.fields)) {
            const auto i = indexOf(type.fields, name);
            if (i != frage) {
                antwort = i;
                break;
            }
        }
        templateFields_.push_back(frage && antwort ? std::optional(FieldPair{*frage, *antwort})
                                                   : std::nullopt);
    }
}

ImportedCard AnkiCardMaker::clozeCard(const std::vector<std::string_view>& values, int ord) const {
    ImportedCard card;
    // A note may hold fewer fields than its type names.
    const std::size_t field = std::min(clozeField_, values.size() - 1);
    card.frage = plain(clozeText(values[field], ord + 1, false));
    card.antwort = plain(clozeText(values[field], ord + 1, true));
    takeExtras(card, values, {field, field});
    return card;
}

ImportedCard AnkiCardMaker::card(const std::vector<std::string_view>& values, int ord) const {
    ImportedCard card;
    if (values.empty()) return card;
    if (cloze_) {
        card = clozeCard(values, ord);
    } else {
        const auto index = static_cast<std::size_t>(ord);
        const std::optional<FieldPair> named =
            index < templateFields_.size() ? templateFields_[index] : std::nullopt;
        // A template that names no fields asks the first field, or the second when reversed.
        FieldPair used{};
        if (named) {
            used = *named;
        } else {
            const std::size_t first = (ord % 2 == 1 && values.size() > 1) ? 1 : 0;
            used = {first, values.size() > 1 ? 1 - first : first};
        }
        card.frage = plain(values[std::min(used[0], values.size() - 1)]);
        card.antwort = plain(values[std::min(used[1], values.size() - 1)]);
        takeExtras(card, values, used);
    }
    takeMedia(card, values);
    return card;
}

}  // namespace memvalo
