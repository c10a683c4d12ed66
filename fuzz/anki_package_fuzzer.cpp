// The reader of Anki packages on the input as an .apkg: the zip, the SQLite collection in both
// layouts, the zstd frames and the protobuf and JSON media maps. Anything it does not refuse
// gives cards in boxes 1 to 5, whose media can be asked for.
#include "exchange/deck_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    constexpr std::uint64_t kLimit = std::uint64_t{16} << 20;
    try {
        const Deck deck = readDeckBytes(std::string(reinterpret_cast<const char*>(data), size),
                                        "f.apkg", {}, "", kLimit);
        for (const ImportedCard& card : deck.cards) {
            if (card.box < 1 || card.box > 5 || card.falsch < 0) fuzz::finding("Karte ohne Kasten");
            if (!card.medium.empty()) deck.media->read(card.medium);
        }
    } catch (const ImportRefusal&) {
    }
    return 0;
}
