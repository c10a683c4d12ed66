// The learning history: reading and counting a history of a million answers (what opening a
// set and its statistics window cost), recording one answer, and saves whose history grew by
// 500 answers against saves without history.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <streambuf>
#include <vector>

#include "app/app.h"
#include "cli/batch_platform.h"
#include "core/history_file.h"
#include "core/learning_history.h"
#include "core/learning_set_writer.h"
#include "core/set_save_transaction.h"
#include "full_set.h"
#include "study/learning_statistics.h"

namespace fs = std::filesystem;

namespace memvalo {
namespace {

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};

constexpr int kAnswers = 1'000'000;

// A million answers over ten years, about 270 a day, each day closed by its S line.
std::string millionAnswers() {
    LearningHistory history;
    const Day first = *dayOf("07.12.2016");
    for (int i = 0; i < kAnswers; ++i) {
        const Day day = first + i / 274;
        history.answers.push_back(
            {day, 36000 + i % 274 * 60, static_cast<std::int8_t>(1 + i % 5), i % 3 != 0});
        if (i % 274 == 273) history.days.push_back({day, {250, 500, 850, 1200, 2000}});
    }
    return historyBytes(history);
}

void HistoryRead(benchmark::State& state) {
    const std::string bytes = millionAnswers();
    for (auto _ : state) {
        LearningHistory history;
        if (parseHistory(bytes, history)) state.SkipWithError("unreadable");
        benchmark::DoNotOptimize(history.answers.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

// What the statistics window computes before it draws, for a full set.
void HistoryStatistics(benchmark::State& state) {
    LearningHistory history;
    parseHistory(millionAnswers(), history);
    CardStore store;
    auto boxes = bench::fullSet();
    for (int b = 1; b <= 5; ++b) store.k(b) = std::move((*boxes)[b - 1]);
    const Day today = history.answers.back().day;
    for (auto _ : state) {
        benchmark::DoNotOptimize(learningStatistics(store, history, today).answers30);
    }
}

void RecordAnswer(benchmark::State& state) {
    NullBuffer discard;
    std::ostream err(&discard);
    BatchPlatform platform(err);
    App app(platform);
    app.history.kept = true;
    app.history.answers.reserve(1 << 24);
    for (auto _ : state) recordAnswer(app, 2, true);
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Saves of the full set in pairs, one without history and one whose history (a million lines)
// grew by 500 answers inside the same commit, so that both sides of a pair meet the same load
// of the machine and the same state of the disk. Reports the medians and the median of the
// pairwise ratios.
void SaveWithHistory(benchmark::State& state) {
    const fs::path folder =
        fs::temp_directory_path() / ("memvalo-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string base = (folder / "voll").string();
    auto boxes = bench::fullSet();
    std::vector<SetFileContent> files{{".cfg", optionsFileBytes(SetOptions{})}};
    for (int box = 1; box <= 5; ++box) {
        files.push_back({boxExtension(box), boxFileBytes((*boxes)[box - 1], box)});
    }
    const std::string old = millionAnswers();
    {
        std::FILE* out = std::fopen((base + ".vlf").c_str(), "wb");
        std::fwrite(old.data(), 1, old.size(), out);
        std::fclose(out);
    }
    AppendedBytes appended{base + ".vlf", old.size(), {}};
    for (int i = 0; i < 500; ++i) {
        appendAnswerLine(appended.bytes, {*dayOf("07.12.2026"), 36000 + i, 2, i % 4 != 0});
    }
    appendDayLine(appended.bytes, {*dayOf("07.12.2026"), {250, 500, 850, 1200, 2000}});
    const auto timedSave = [&](const SaveChecks& checks) {
        const auto start = std::chrono::steady_clock::now();
        if (saveSetFiles(base, files, {}, checks)) state.SkipWithError("save failed");
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    std::vector<double> without, with, ratios;
    for (auto _ : state) {
        // Each save appends to what the last one left, as a learner's saves do.
        appended.keep = fs::file_size(base + ".vlf");
        without.push_back(timedSave({}));
        with.push_back(timedSave({.appended = &appended}));
        ratios.push_back(with.back() / without.back());
        state.SetIterationTime((without.back() + with.back()) / 1000);
    }
    state.counters["ohne_ms"] = median(without);
    state.counters["mit_ms"] = median(with);
    state.counters["mit_durch_ohne"] = median(ratios);
    fs::remove_all(folder);
}

BENCHMARK(HistoryRead)->Unit(benchmark::kMillisecond);
BENCHMARK(HistoryStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(RecordAnswer)->Unit(benchmark::kNanosecond);
BENCHMARK(SaveWithHistory)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memvalo
