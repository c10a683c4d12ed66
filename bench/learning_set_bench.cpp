// Loading and saving a full learning set (5 boxes of 2000 cards), next to a plain read of the
// same bytes and a plain crash-safe write of them (temporary files, fsync, commit marker,
// renames, the same folder syncs). Argument 0: texts of everyday length; 1: 10 000 characters.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/learning_set_reader.h"
#include "core/learning_set_writer.h"
#include "core/safe_file.h"
#include "core/set_save_transaction.h"
#include "full_set.h"

namespace fs = std::filesystem;

namespace memvalo {
namespace {

using bench::Boxes;
using bench::fullSet;

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
        FileBytes bytes;
        readWholeFile(folder.base() + ".cfg", bytes);
        benchmark::DoNotOptimize(readOptionsFile(bytes, badLines));
        for (int box = 1; box <= 5; ++box) {
            readWholeFile(folder.base() + std::string(boxExtension(box)), bytes);
            readBoxFile(std::move(bytes), box, (*boxes)[box - 1]);
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

void syncedWrite(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::fsync(fd);
    ::close(fd);
}

void syncFolderOf(const std::string& base) {
    const int fd = ::open(fs::path(base).parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(fd);
    ::close(fd);
}

// What any crash-safe save of these bytes must do at the least, with nothing in between.
void plainSafeWrite(benchmark::State& state) {
    SetFolder folder;
    auto boxes = fullSet(state.range(0) == 1);
    const std::string base = folder.base();
    const std::vector<SetFileContent> files = filesOf(*boxes);
    for (auto _ : state) {
        for (const SetFileContent& file : files) {
            syncedWrite(base + std::string(file.extension) + ".new~", file.bytes);
        }
        syncFolderOf(base);
        syncedWrite(base + ".commit~", "memvalo save\r\n");
        syncFolderOf(base);
        for (const SetFileContent& file : files) {
            const std::string target = base + std::string(file.extension);
            std::rename((target + ".new~").c_str(), target.c_str());
        }
        syncFolderOf(base);
        std::remove((base + ".commit~").c_str());
        syncFolderOf(base);
    }
    state.SetBytesProcessed(state.iterations() * bytesOnDisk(base));
}

BENCHMARK(saveSet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(loadSet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(plainRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(plainSafeWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memvalo
