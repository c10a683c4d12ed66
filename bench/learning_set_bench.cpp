// Loading and saving a full learning set (5 boxes of 2000 cards), next to a plain read and a
// plain copy of the same bytes. Argument 0: texts of everyday length; 1: 10 000 characters.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>

#include "core/learning_set_reader.h"
#include "core/learning_set_writer.h"
#include "core/safe_file.h"
#include "core/set_save_transaction.h"

namespace fs = std::filesystem;

namespace memvalo {
namespace {

using Boxes = std::array<Box, 5>;

std::string text(std::size_t length, int seed) {
    static const std::string words = "Größe, Übung und Wörter: der Kasten wächst jeden Tag ";
    std::string out;
    while (out.size() < length) out += words.substr(static_cast<std::size_t>(seed) % 7);
    return out.substr(0, length);
}

std::unique_ptr<Boxes> fullSet(bool longTexts) {
    auto boxes = std::make_unique<Boxes>();
    for (int box = 1; box <= 5; ++box) {
        for (int i = 0; i < Box::kSlots; ++i) {
            CardRecord card;
            card.frage = text(longTexts ? 10000 : 60, i);
            card.antwort = text(longTexts ? 10000 : 140, i + 1);
            card.zusatz1 = text(30, i + 2);
            card.erstellt = "06.12.2026";
            for (int d = 0; d < box - 1; ++d) card.kasten_am[d] = "07.12.2026";
            card.falsch = std::to_string(i % 5);
            card.medium =
                i % 10 == 0 ? "/home/lernende/bilder/karte" + std::to_string(i) + ".jpg" : "";
            (*boxes)[box - 1].append(card);
        }
    }
    return boxes;
}

std::vector<SetFileContent> filesOf(Boxes& boxes) {
    std::vector<SetFileContent> files{{kSetExtensions[0], optionsFileBytes(SetOptions{})}};
    for (int box = 1; box <= 5; ++box) {
        files.push_back({boxExtension(box), boxFileBytes(boxes[box - 1], box)});
    }
    return files;
}

class SetFolder {
  public:
    SetFolder() : path_(fs::temp_directory_path() / ("memvalo-bench-" + std::to_string(getpid()))) {
        fs::create_directories(path_);
    }
    ~SetFolder() { fs::remove_all(path_); }
    std::string base() const { return (path_ / "voll").string(); }
    std::string copyBase() const { return (path_ / "kopie").string(); }

  private:
    fs::path path_;
};

std::int64_t bytesOnDisk(const std::string& base) {
    std::int64_t total = 0;
    for (std::string_view ext : kSetExtensions) {
        total += static_cast<std::int64_t>(fs::file_size(base + std::string(ext)));
    }
    return total;
}

void saveSet(benchmark::State& state) {
    SetFolder folder;
    auto boxes = fullSet(state.range(0) == 1);
    for (auto _ : state) {
        if (saveSetFiles(folder.base(), filesOf(*boxes))) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * bytesOnDisk(folder.base()));
}

void loadSet(benchmark::State& state) {
    SetFolder folder;
    saveSetFiles(folder.base(), filesOf(*fullSet(state.range(0) == 1)));
    for (auto _ : state) {
        recoverSetFiles(folder.base());
        auto boxes = std::make_unique<Boxes>();
        std::vector<int> badLines;
        std::string bytes;
        readWholeFile(folder.base() + ".cfg", bytes);
        benchmark::DoNotOptimize(readOptionsFile(bytes, badLines));
        for (int box = 1; box <= 5; ++box) {
            readWholeFile(folder.base() + std::string(boxExtension(box)), bytes);
            readBoxFile(bytes, box, (*boxes)[box - 1]);
        }
        benchmark::DoNotOptimize(boxes->back().anz);
    }
    state.SetBytesProcessed(state.iterations() * bytesOnDisk(folder.base()));
}

void plainRead(benchmark::State& state) {
    SetFolder folder;
    saveSetFiles(folder.base(), filesOf(*fullSet(state.range(0) == 1)));
    for (auto _ : state) {
        for (std::string_view ext : kSetExtensions) {
            std::string bytes;
            readWholeFile(folder.base() + std::string(ext), bytes);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * bytesOnDisk(folder.base()));
}

void plainCopy(benchmark::State& state) {
    SetFolder folder;
    saveSetFiles(folder.base(), filesOf(*fullSet(state.range(0) == 1)));
    for (auto _ : state) {
        for (std::string_view ext : kSetExtensions) {
            fs::copy_file(folder.base() + std::string(ext), folder.copyBase() + std::string(ext),
                          fs::copy_options::overwrite_existing);
        }
    }
    state.SetBytesProcessed(state.iterations() * bytesOnDisk(folder.base()));
}

BENCHMARK(saveSet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(loadSet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(plainRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(plainCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memvalo
