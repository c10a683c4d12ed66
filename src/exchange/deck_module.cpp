#include "exchange/deck_module.h"

#include <dlfcn.h>

#include <filesystem>

#include "exchange/import_refusal.h"

namespace memvalo {

namespace {

// Installed, in lib/memvalo/plugins/ beside the bin/ folder; in a build folder beside the
// program, or one folder up from a test program.
ReadDeckEntry findEntry() {
    std::error_code ec;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    if (ec) return nullptr;
    for (const std::filesystem::path& place :
         {folder / ".." / "lib" / "memvalo" / "plugins", folder, folder / ".."}) {
        void* module = ::dlopen((place / kDeckModule).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) continue;
        if (void* entry = ::dlsym(module, kReadDeckEntry)) {
            return reinterpret_cast<ReadDeckEntry>(entry);
        }
        ::dlclose(module);
    }
    return nullptr;
}

}  // namespace

Deck readDeckFile(const std::string& path, const DeckOptions& options) {
    static const ReadDeckEntry entry = findEntry();
    if (!entry) {
        throw ImportRefusal("der Programmteil zum Lesen fremder Karteien (" +
                            std::string(kDeckModule) + ") fehlt");
    }
    Deck deck;
    std::string refusal;
    entry(path, options, deck, refusal);
    if (!refusal.empty()) throw ImportRefusal(refusal);
    return deck;
}

}  // namespace memvalo
