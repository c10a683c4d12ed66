// The reader of the list of recently used sets on the input as that file: the entries it
// finds are written and must read back the same.
#include "files/file_history.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    using namespace memvalo::fuzz;
    std::vector<std::string> entries;
    for (std::string& line : historyLines({reinterpret_cast<const char*>(data), size})) {
        if (!line.empty()) entries.push_back(std::move(line));
    }
    std::vector<std::string> readBack;
    for (std::string& line : historyLines(historyBytes(entries))) {
        if (!line.empty()) readBack.push_back(std::move(line));
    }
    require(readBack == entries, "Dateiliste liest sich anders");
    return 0;
}
