// Saving from the window with the full set open (Ctrl+S): everything the program does from the
// key until the window can be drawn again. The Qt side only repaints what changed after it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <streambuf>

#include "app/app.h"
#include "cli/batch_platform.h"
#include "files/open_set.h"
#include "files/save_commands.h"
#include "full_set.h"

namespace fs = std::filesystem;

namespace memvalo {
namespace {

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};

void WindowSave(benchmark::State& state) {
    const fs::path folder =
        fs::temp_directory_path() / ("memvalo-bench-save-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string base = (folder / "voll").string();
    if (!bench::writeFullSet(base)) state.SkipWithError("no set");
    NullBuffer discard;
    std::ostream err(&discard);
    BatchPlatform platform(err);
    App app(platform);
    openNamedSet(app, base + ".ldt");
    for (auto _ : state) {
        // A learner's change since the last save: one card's wrong answers.
        app.store.k(2)[1].falsch = std::to_string(state.iterations() % 7);
        mnudatspeichern_Click(app);
    }
    fs::remove_all(folder);
}

BENCHMARK(WindowSave)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memvalo
