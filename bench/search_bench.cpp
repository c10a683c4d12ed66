// The card search over a full set (5 boxes of 2000 cards): folding every card once as the
// window opens, then filtering for a word as the learner types it, letter by letter.
#include <benchmark/benchmark.h>

#include <string>

#include "full_set.h"
#include "study/card_search.h"

namespace memvalo {
namespace {

CardStore fullStore() {
    CardStore store;
    auto boxes = bench::fullSet();
    for (std::size_t b = 0; b < 5; ++b) store.boxes[b] = std::move((*boxes)[b]);
    return store;
}

void SearchIndex(benchmark::State& state) {
    const CardStore store = fullStore();
    for (auto _ : state) benchmark::DoNotOptimize(CardIndex(store));
}

// Each prefix of a word stands for one key typed; the time is per key.
void SearchTyping(benchmark::State& state) {
    const CardIndex index(fullStore());
    // Found in "Straße" once folded.
    const std::string word = "strasse";
    for (auto _ : state) {
        for (std::size_t n = 1; n <= word.size(); ++n) {
            benchmark::DoNotOptimize(index.find(word.substr(0, n), kAllBoxes));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(word.size()));
}

void SearchSortByQuestion(benchmark::State& state) {
    const CardIndex index(fullStore());
    const std::vector<int> all = index.find("", kAllBoxes);
    for (auto _ : state) {
        std::vector<int> rows = all;
        sortRows(index, rows, 2, true);
        benchmark::DoNotOptimize(rows);
    }
}

BENCHMARK(SearchIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchTyping)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchSortByQuestion)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memvalo
