#include "exchange/deck_reader.h"

#include <algorithm>

#include "core/safe_file.h"
#include "core/utf8.h"
#include "exchange/anki_package.h"
#include "exchange/gzip_stream.h"
#include "exchange/kvtml_deck.h"
#include "exchange/pauker_lesson.h"

namespace memvalo {

namespace {

bool endsWith(const std::string& name, std::string_view suffix) {
    return utf8::lower(name).ends_with(suffix);
}

std::string xmlText(std::string bytes, std::uint64_t limit) {
    return isGzip(bytes) ? gunzip(bytes, limit) : bytes;
}

void keepStapel(Deck& deck, const std::string& stapel) {
    if (stapel.empty()) return;
    if (std::find(deck.choices.begin(), deck.choices.end(), stapel) == deck.choices.end()) {
        throw ImportRefusal("sie enthält keinen Stapel »" + stapel + "«");
    }
    std::erase_if(deck.cards, [&](const ImportedCard& c) { return c.stapel != stapel; });
}

}  // namespace

Deck readDeckBytes(std::string bytes, const std::string& fileName, const DeckOptions& options,
                   const std::string& folder, std::uint64_t limit) {
    Deck deck;
    if (endsWith(fileName, ".apkg") || endsWith(fileName, ".colpkg")) {
        deck = readAnkiPackage(std::move(bytes), limit);
        keepStapel(deck, options.stapel);
    } else if (endsWith(fileName, ".kvtml")) {
        deck = readKvtml(bytes, options, folder);
    } else if (endsWith(fileName, ".pau.gz")) {
        if (!isGzip(bytes)) throw ImportRefusal("sie ist nicht mit gzip gepackt");
        deck = readPaukerLesson(gunzip(bytes, limit));
    } else if (endsWith(fileName, ".pau") || endsWith(fileName, ".xml")) {
        deck = readPaukerLesson(xmlText(std::move(bytes), limit));
    } else {
        throw ImportRefusal(
            "ihr Format ist unbekannt (gelesen werden .apkg, .colpkg, .kvtml, .pau.gz, .pau und "
            ".xml)");
    }
    if (deck.cards.empty()) throw ImportRefusal("sie enthält keine Karten");
    return deck;
}

Deck readDeck(const std::string& path, const DeckOptions& options, std::uint64_t limit) {
    std::string bytes;
    if (const std::error_code ec = readWholeFile(path, bytes, limit)) {
        throw ImportRefusal("sie kann nicht gelesen werden (" + fileErrorReason(ec) + ")");
    }
    const std::size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return readDeckBytes(std::move(bytes), path.substr(folder.size()), options, folder, limit);
}

}  // namespace memvalo
