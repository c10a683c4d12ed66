// One answer in a box of 2000 cards, and what an empty set costs in memory. The answer is the
// first card's, so every other card of the box follows it up one slot.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <ostream>
#include <streambuf>

#include "app/app.h"
#include "cli/batch_platform.h"
#include "full_set.h"
#include "study/answer.h"
#include "study/box_choice.h"
#include "study/modes.h"
#include "study/reveal.h"

namespace memvalo {

namespace {

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};

class Learner {
  public:
    // Box `box` holds 2000 cards and is being asked; the other boxes hold `others` each.
    Learner(int box, int others) {
        auto boxes = bench::fullSet();
        for (int b = 1; b <= 5; ++b) {
            Box& k = app.store.k(b);
            k = std::move((*boxes)[b - 1]);
            while (b != box && k.anz > others) k.remove(k.anz);
            app.store.soll[b - 1] = Box::kSlots;
            app.store.ist[b - 1] = k.anz;
        }
        app.frm1.mnuklang.checked = false;
        mnueingabe_Click(app);
        mnuzufall_Click(app);
        mnukastwahl_Click(app);
        mnukk_Click(app, box - 1);
    }

    // Puts the card that went from box `from` to the end of box `to` back in front of `from`'s
    // cards, and shows it with its answer.
    void moveBack(int from, int to) {
        Box& source = app.store.k(to);
        Box& target = app.store.k(from);
        const CardRecord card = source[source.anz];
        source.remove(source.anz);
        target.append(card);
        target.pos = 1;
        app.store.ist[from - 1] = target.anz;
        app.store.ist[to - 1] = source.anz;
        cmdantwort_Click(app);
    }

    NullBuffer discard;
    std::ostream err{&discard};
    BatchPlatform platform{err};
    App app{platform};
};

// One answer to the shown card of box 2, again and again; outside the timing the card comes
// back from box `to`, where the answer moved it. The answer is timed by hand: pausing the
// benchmark's own clock costs more than a microsecond each time.
void answerAgainAndAgain(benchmark::State& state, void (*answer)(StudyContext&), int to) {
    Learner learner(2, 1000);
    learner.moveBack(2, 2);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        answer(learner.app);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        learner.moveBack(2, to);
    }
}

void AnswerRight(benchmark::State& state) {
    answerAgainAndAgain(state, cmdrichtig_Click, 3);
}

void AnswerWrong(benchmark::State& state) {
    answerAgainAndAgain(state, cmdfalsch_Click, 1);
}

// Bytes in use on the heap for a program state with no cards at all.
void EmptySetHeap(benchmark::State& state) {
    NullBuffer discard;
    std::ostream err(&discard);
    BatchPlatform platform(err);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto app = std::make_unique<App>(platform);
        bytes = mallinfo2().uordblks - before;
        benchmark::DoNotOptimize(app.get());
    }
    state.counters["heap_bytes"] = static_cast<double>(bytes);
}

BENCHMARK(AnswerRight)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(AnswerWrong)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(EmptySetHeap)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace memvalo
