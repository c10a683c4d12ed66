#include "core/learning_set_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/byte_set.h"
#include "core/codec.h"
#include "core/file_bytes.h"
#include "core/set_option_table.h"
#include "core/text_encoding.h"
#include "core/written_card_bytes.h"

namespace memvalo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void putLine(std::string& out, std::string_view value) {
    appendCp1252(out, value);
    out += kLineEnd;
}

void putQuoted(std::string& out, std::string_view value) {
    out += '"';
    appendCp1252(out, value);
    out += '"';
    out += kLineEnd;
}

// A double quote would end the item early; the stored form never holds one.
void putText(std::string& out, std::string_view text) {
    if (text.find('"') == std::string_view::npos) {
        putQuoted(out, text);
        return;
    }
    std::string stored(text);
    anfuehrung_weg(stored);
    putQuoted(out, stored);
}

// A plain item ends at a comma or a line end, loses its outer blanks and is taken as quoted
// when it starts with a double quote.
bool hasItemDelimiters(std::string_view value) {
    // One pass; find_first_of would search the three delimiters for every character.
    const bool delimiter = std::any_of(value.begin(), value.end(),
                                       [](char c) { return c == ',' || c == '\r' || c == '\n'; });
    return delimiter || value.starts_with('"');
}

constexpr std::array<bool, 256> kDateOrCountChar = byteSet("0123456789. ");

// A date or count goes back plain, padded to its 10 characters, whenever a plain item reads it
// back the same; one holding a comma, a line break or leading blanks only does inside quotes.
void putFixed(std::string& out, const FixedText& field) {
    const std::string& value = field.text();
    // The usual date or count, digits and dots padded with blanks, goes over as it is.
    const bool plainDigits =
        !value.starts_with(' ') && std::all_of(value.begin(), value.end(), [](char c) {
            return kDateOrCountChar[static_cast<unsigned char>(c)];
        });
    if (plainDigits) {
        out += value;
        out += kLineEnd;
        return;
    }
    const bool blank = value.find_first_not_of(' ') == std::string::npos;
    if (blank || (!hasItemDelimiters(value) && !value.starts_with(' '))) {
        putLine(out, value);
    } else {
        putText(out, value);
    }
}

// A path with a comma, a line break, outer blanks or a leading quote only reads back whole
// inside quotes; any other path stays a plain item, as older readers expect. A path that spans
// lines ends at its first double quote, so there a quote is stored as the replacement.
void putMedium(std::string& out, std::string medium) {
    const bool plain =
        !hasItemDelimiters(medium) && !medium.starts_with(' ') && !medium.ends_with(' ');
    if (plain) {
        putLine(out, medium);
        return;
    }
    if (medium.find_first_of("\r\n") != std::string::npos) anfuehrung_weg(medium);
    putQuoted(out, medium);
}

void putCard(std::string& out, const CardRecord& card, const std::string& falsch, int boxNumber,
             FalschForm falschForm) {
    putText(out, card.frage);
    putText(out, card.antwort);
    putText(out, card.zusatz1);
    putText(out, card.zusatz2);
    putFixed(out, card.erstellt);
    for (int i = 0; i < CardRecord::datesOfBox(boxNumber); ++i) {
        putFixed(out, card.kasten_am[static_cast<std::size_t>(i)]);
    }
    if (falschForm == FalschForm::Padded || hasItemDelimiters(falsch)) {
        putFixed(out, FixedText(falsch));
    } else {
        putLine(out, falsch);
    }
    putMedium(out, card.medium);
}

}  // namespace

std::string boxFileHead(int boxNumber, int count) {
    std::string out;
    const std::string text = std::to_string(count);
    putLine(out, boxNumber == 1 || boxNumber == 5 ? " " + text + " " : text);
    return out;
}

void appendCardBytes(std::string& out, const CardRecord& card, int boxNumber) {
    putCard(out, card, savedFalsch(card.falsch), boxNumber, FalschForm::Padded);
}

std::string boxFileBytes(Box& box, int boxNumber, FalschForm falsch,
                         std::vector<std::uint32_t>* cardStarts) {
    std::string out;
    out.reserve(box.sizeHint());
    makePagesPresent(out.data(), out.capacity());
    out += boxFileHead(boxNumber, box.anz);
    // Cards still held as this box file's bytes go back as they are wherever writing them
    // would give the same bytes; only the others are decoded and encoded.
    const StoredCards* stored = box.stored().get();
    const bool ownFile = stored != nullptr && stored->boxNumber() == boxNumber;
    CardRecord scratch;
    if (cardStarts) cardStarts->clear();
    for (int slot = 1; slot <= box.anz; ++slot) {
        if (cardStarts) cardStarts->push_back(static_cast<std::uint32_t>(out.size()));
        if (const auto at = ownFile ? box.storedAt(slot) : std::nullopt) {
            std::size_t end = stored->writtenEnd(*at, falsch);
            if (end == std::string_view::npos) {
                end = writtenCardEnd(stored->bytes(), *at, boxNumber, falsch);
            }
            if (end != std::string_view::npos) {
                out.append(stored->bytes().substr(*at, end - *at));
                continue;
            }
        }
        const CardRecord& card = box.peek(slot, scratch);
        const std::string wrong = savedFalsch(card.falsch);
        // The card in memory then holds its count as the file does; `card` stays readable, as
        // the record itself or as the scratch copy.
        if (!(FixedText(wrong) == card.falsch)) box[slot].falsch = wrong;
        putCard(out, card, wrong, boxNumber, falsch);
    }
    return out;
}

namespace {

// Takes the blanks around the value on the line after `keyLine`.
void trimLineAfter(std::string& out, std::string_view keyLine) {
    const std::size_t start = out.find(keyLine);
    if (start == std::string::npos) return;
    const std::size_t from = start + keyLine.size();
    const std::size_t end = out.find("\r\n", from);
    out.replace(from, end - from, trimBlanks(out.substr(from, end - from)));
}

}  // namespace

std::string optionsFileBytes(const SetOptions& options, CountForm count) {
    std::string out;
    std::vector<std::string> lines;
    for (const SetOption& option : setOptionTable()) {
        if (!option.key.empty()) putLine(out, option.key);
        lines.clear();
        option.write(options, lines);
        for (const std::string& line : lines) putLine(out, line);
    }
    if (count == CountForm::Bare) trimLineAfter(out, "[Kasten 5 bereits beantwortet]\r\n");
    for (int i = 0; i < 30; ++i) putLine(out, "placeholder");
    return out;
}

}  // namespace memvalo
