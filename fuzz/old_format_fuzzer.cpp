// The reader of the older line format on five files made from the input (".ldt", ".k02" ..
// ".k05", cut at NUL bytes). What it accepts the converter writes, and the written box files
// must read back exactly as converted.
#include "core/db_update.h"
#include "core/item_reader.h"
#include "core/learning_set_reader.h"
#include "core/runtime_error.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    using namespace memvalo::fuzz;
    const auto files = pieces(data, size, 5);
    auto old = std::make_unique<OldSet>();
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            readOldBox(files[i], "alt", static_cast<int>(i) + 1, *old);
        }
    } catch (const RuntimeError&) {
        return 0;
    }
    const std::vector<SetFileContent> written = convertedSetFiles(*old, SetOptions{});
    std::vector<int> badLines;
    const SetOptions options = readOptionsFile(written[0].bytes, badLines);
    require(badLines.empty() && options.capacities == old->capacities &&
                options.box5Answered == old->box5Answered,
            "Optionen lesen sich anders");
    for (int box = 1; box <= 5; ++box) {
        const Box& converted = old->boxes[static_cast<std::size_t>(box - 1)];
        auto readBack = std::make_unique<Box>();
        try {
            readBoxFile(FileBytes(written[static_cast<std::size_t>(box)].bytes), box, *readBack);
        } catch (const FormatError&) {
            finding("umgewandelter Kasten nicht lesbar");
        }
        require(readBack->anz == converted.anz, "umgewandelter Kasten hat andere Anzahl");
        for (int slot = 1; slot <= converted.anz; ++slot) {
            require((*readBack)[slot] == converted[slot], "umgewandelte Karte liest sich anders");
        }
    }
    return 0;
}
