#include "full_set.h"

#include <vector>

#include "core/learning_set_writer.h"
#include "core/set_save_transaction.h"

namespace memvalo::bench {

namespace {

// A text of `length` characters cut from a German sentence at a place picked by seed.
std::string text(std::size_t length, std::uint32_t seed) {
    static const std::string words =
        "Größe, Übung und Wörter: der Kasten wächst jeden Tag, die Straße führt übers Meer ";
    std::string out;
    std::size_t at = seed % 40;
    while (out.size() < length) {
        out += words[at];
        at = (at + 1) % words.size();
    }
    // Never end inside an umlaut's two bytes.
    while ((static_cast<unsigned char>(out.back()) & 0xC0) == 0xC0) out.pop_back();
    return out;
}

std::uint32_t nextRandom(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

CardRecord card(int box, bool longTexts, std::uint32_t& state) {
    const auto length = [&] { return longTexts ? 10000 : 5 + nextRandom(state) % 56; };
    CardRecord c;
    c.frage = text(length(), nextRandom(state));
    c.antwort = text(length(), nextRandom(state));
    c.zusatz1 = text(5 + nextRandom(state) % 56, nextRandom(state));
    if (nextRandom(state) % 2 == 0) c.zusatz2 = text(5 + nextRandom(state) % 56, nextRandom(state));
    c.erstellt = "06.12.2026";
    for (int d = 0; d < CardRecord::datesOfBox(box); ++d) c.kasten_am[d] = "07.12.2026";
    c.falsch = std::to_string(nextRandom(state) % 5);
    return c;
}

}  // namespace

std::unique_ptr<Boxes> fullSet(bool longTexts) {
    auto boxes = std::make_unique<Boxes>();
    std::uint32_t state = 15;
    for (int box = 1; box <= 5; ++box) {
        for (int i = 0; i < Box::kSlots; ++i) (*boxes)[box - 1].append(card(box, longTexts, state));
    }
    return boxes;
}

bool writeFullSet(const std::string& basePath, bool longTexts) {
    auto boxes = fullSet(longTexts);
    SetOptions options;
    for (std::string& capacity : options.capacities) capacity = std::to_string(Box::kSlots);
    std::vector<SetFileContent> files{{kSetExtensions[0], optionsFileBytes(options)}};
    for (int box = 1; box <= 5; ++box) {
        files.push_back({boxExtension(box), boxFileBytes((*boxes)[box - 1], box)});
    }
    return !saveSetFiles(basePath, files);
}

}  // namespace memvalo::bench
