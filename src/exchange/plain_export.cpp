#include "exchange/plain_export.h"

#include <functional>

#include "core/card_fields.h"
#include "core/text_encoding.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kZoneWidth = 14;

void putLine(std::string& out, std::string_view text) {
    out += text;
    out += kLineEnd;
}

// Every card of the chosen boxes in stored order, with its box number and position.
void forEachCard(const CardStore& store, const ExportChoice& choice,
                 const std::function<void(const CardRecord&, int box, int n)>& write) {
    for (int box = 1; box <= 5; ++box) {
        if (!choice.kaesten[static_cast<std::size_t>(box - 1)]) continue;
        const Box& k = store.k(box);
        for (int n = 1; n <= k.anz; ++n) write(k[n], box, n);
    }
}

void putBlock(std::string& out, const std::string& head, std::string_view rule,
              const std::string& text) {
    putLine(out, head);
    putLine(out, rule);
    putLine(out, text);
    putLine(out, "--------");
    putLine(out, "");
}

// The chosen fields of one card on one line; `between` comes after every field that has a
// chosen field after it and is given the line so far.
void putFieldLine(std::string& out, const CardRecord& card, const ExportChoice& choice,
                  const std::function<void(std::string& line)>& between) {
    std::size_t last = kCardFieldCount;
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        if (choice.felder[i]) last = i;
    }
    if (last == kCardFieldCount) return;
    std::string line;
    for (std::size_t i = 0; i <= last; ++i) {
        if (!choice.felder[i]) continue;
        std::string text = trimBlanks(card.*kCardFields[i].text);
        umbruch_weg(text);
        line += text;
        if (i < last) between(line);
    }
    putLine(out, line);
}

}  // namespace

void umbruch_weg(std::string& ph) {
    const std::u32string chars = utf8::decode(ph);
    const std::size_t walked = utf8::length(trimBlanks(ph));
    std::u32string result;
    for (std::size_t i = 0; i < walked && i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == U'\r' || c == U'\n') {
            result += U' ';
        } else if (c == U';') {
            result += U'\u00AC';
        } else {
            result += c;
        }
    }
    ph = utf8::encode(result);
}

std::string text_export(const CardStore& store, const ExportChoice& choice) {
    std::string out;
    forEachCard(store, choice, [&](const CardRecord& card, int box, int n) {
        const std::string number = std::to_string(n);
        if (choice.felder[0]) {
            putBlock(out, "Frage " + number + " ( Kasten " + std::to_string(box) + "):",
                     "---------------------", card.frage);
        }
        if (choice.felder[1]) putBlock(out, "Antwort  " + number, "--------", card.antwort);
        if (choice.felder[2] && !trimBlanks(card.zusatz1).empty()) {
            putBlock(out, "Zusatz 1 zur Frage " + number, "--------", card.zusatz1);
        }
        if (choice.felder[3] && !trimBlanks(card.zusatz2).empty()) {
            putBlock(out, "Zusatz 2 zur Frage " + number, "--------", card.zusatz2);
        }
        putLine(out, std::string(60, '*'));
        putLine(out, "");
    });
    return out;
}

std::string csv_export(const CardStore& store, const ExportChoice& choice) {
    std::string out;
    forEachCard(store, choice, [&](const CardRecord& card, int, int) {
        putFieldLine(out, card, choice, [](std::string& line) { line += ';'; });
    });
    return out;
}

// A field that ends right at a zone start is followed by a whole zone of blanks, so that two
// fields never run together and an empty field keeps its zone.
std::string tab_export(const CardStore& store, const ExportChoice& choice) {
    std::string out;
    forEachCard(store, choice, [&](const CardRecord& card, int, int) {
        putFieldLine(out, card, choice, [](std::string& line) {
            line.append(kZoneWidth - utf8::length(line) % kZoneWidth, ' ');
        });
    });
    return out;
}

}  // namespace memvalo
