#include "core/learning_set_writer.h"

#include "core/codec.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void putLine(std::string& out, std::string_view value) {
    out += value;
    out += kLineEnd;
}

// A double quote would end the item early; the stored form never holds one.
void putText(std::string& out, std::string text) {
    anfuehrung_weg(text);
    out += '"';
    out += text;
    out += '"';
    out += kLineEnd;
}

// A path with a comma, a line break, outer blanks or a leading quote only reads back whole
// inside quotes; any other path stays a plain item, as older readers expect.
void putMedium(std::string& out, const std::string& medium) {
    const bool plain = medium.find_first_of(",\r\n") == std::string::npos &&
                       (medium.empty() ||
                        (medium.front() != ' ' && medium.back() != ' ' && medium.front() != '"'));
    if (plain) {
        putLine(out, medium);
    } else {
        out += '"';
        out += medium;
        out += '"';
        out += kLineEnd;
    }
}

void putCard(std::string& out, CardRecord& card, int boxNumber, FalschForm falschForm) {
    putText(out, card.frage);
    putText(out, card.antwort);
    putText(out, card.zusatz1);
    putText(out, card.zusatz2);
    putLine(out, card.erstellt.text());
    for (int i = 0; i < CardRecord::datesOfBox(boxNumber); ++i) {
        putLine(out, card.kasten_am[static_cast<std::size_t>(i)].text());
    }
    std::string falsch = trimBlanks(card.falsch.text());
    if (falsch.empty()) falsch = "0";
    card.falsch = falsch;
    putLine(out, falschForm == FalschForm::Padded ? card.falsch.text() : falsch);
    putMedium(out, card.medium);
}

}  // namespace

std::string boxFileBytes(Box& box, int boxNumber, FalschForm falsch) {
    std::string out;
    const std::string count = std::to_string(box.anz);
    putLine(out, boxNumber == 1 || boxNumber == 5 ? " " + count + " " : count);
    for (int slot = 1; slot <= box.anz; ++slot) putCard(out, box[slot], boxNumber, falsch);
    return utf8ToCp1252(out);
}

std::string optionsFileBytes(const SetOptions& options) {
    std::string out;
    for (const std::string& capacity : options.capacities) putLine(out, trimBlanks(capacity));
    putLine(out, "[Kasten 5 bereits beantwortet]");
    putLine(out, " " + std::to_string(options.box5Answered) + " ");
    putLine(out, "[Pfad für Klänge/Bilder]");
    putLine(out, options.mediaFolder);
    putLine(out, "[Bilder bei Abfrage zeigen?]");
    putLine(out, options.zeigbild ? "ja" : "nein");
    putLine(out, "[Bilder überhaupt zeigen?]");
    putLine(out, options.nixbild ? "nein" : "ja");
    for (int i = 0; i < 30; ++i) putLine(out, "placeholder");
    return utf8ToCp1252(out);
}

}  // namespace memvalo
