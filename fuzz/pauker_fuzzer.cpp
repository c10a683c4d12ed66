// Pauker's lessons, gzip'd or plain: the gzip stream, the XML reader and the batches. Anything it
// does not refuse gives cards in boxes 1 to 5.
#include "exchange/deck_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    constexpr std::uint64_t kLimit = std::uint64_t{16} << 20;
    try {
        const Deck deck = readDeckBytes(std::string(reinterpret_cast<const char*>(data), size),
                                        "l.pau", {}, "", kLimit);
        for (const ImportedCard& card : deck.cards) {
            if (card.box < 1 || card.box > 5 || card.falsch < 0) fuzz::finding("Karte ohne Kasten");
        }
    } catch (const ImportRefusal&) {
    }
    return 0;
}
