// The entry of the module that holds the deck readers. Exceptions stay inside: the module may
// carry a C++ library of its own.
#include <new>

#include "exchange/deck_module.h"
#include "exchange/deck_reader.h"

extern "C" __attribute__((visibility("default"))) void memvalo_read_deck(
    const std::string& path, const memvalo::DeckOptions& options, memvalo::Deck& deck,
    std::string& refusal) {
    try {
        deck = memvalo::readDeck(path, options);
    } catch (const memvalo::ImportRefusal& e) {
        refusal = e.what();
    } catch (const std::bad_alloc&) {
        refusal = "dafür reicht der Arbeitsspeicher nicht";
    } catch (const std::exception& e) {
        refusal = std::string("sie lässt sich nicht lesen (") + e.what() + ")";
    }
}
