// The reader of a set's learning history on the input as that file: a history it accepts is
// written out again and must read back to the same answers and days.
#include "core/learning_history.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    using namespace memvalo::fuzz;
    LearningHistory history;
    if (parseHistory({reinterpret_cast<const char*>(data), size}, history)) return 0;
    const std::string written = historyBytes(history);
    LearningHistory readBack;
    require(!parseHistory(written, readBack), "Lernverlauf liest sich nicht");
    require(historyBytes(readBack) == written, "Lernverlauf liest sich anders");
    require(readBack.answers.size() == history.answers.size(), "Antworten fehlen");
    return 0;
}
