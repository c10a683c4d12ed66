// The set loader on six files made from the input (".ldt", ".k02" .. ".k05", ".cfg", cut at
// NUL bytes). A set that loads is saved, and the saved set must load back the same and save
// byte for byte the same again.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/platte_an_speicher.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/speicher_an_platte.h"
#include "fuzz_support.h"

namespace memvalo::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOrder[] = {".ldt", ".k02", ".k03", ".k04", ".k05", ".cfg"};

// A folder of this run on tmpfs where there is one, removed at the end.
struct Folder {
    Folder() {
        std::error_code ec;
        const fs::path base =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path = (base / ("memvalo-fuzz-" + std::to_string(::getpid()))).string() + "/";
        fs::create_directories(path);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string path;
};

const std::string& folder() {
    static const Folder made;
    return made.path;
}

void putFiles(const std::vector<std::string_view>& files) {
    for (const auto& entry : fs::directory_iterator(folder())) fs::remove_all(entry.path());
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::FILE* out = std::fopen((folder() + "satz" + std::string(kOrder[i])).c_str(), "wb");
        std::fwrite(files[i].data(), 1, files[i].size(), out);
        std::fclose(out);
    }
}

std::string setBytes() {
    std::string all;
    for (std::string_view ext : kSetExtensions) {
        std::string bytes;
        require(!readWholeFile(folder() + "satz" + std::string(ext), bytes),
                "gespeichert, nicht lesbar");
        all += bytes + '\0';
    }
    return all;
}

bool sameSet(const App& a, const App& b) {
    for (int box = 1; box <= 5; ++box) {
        const Box& x = a.store.k(box);
        const Box& y = b.store.k(box);
        if (x.anz != y.anz) return false;
        for (int slot = 1; slot <= x.anz; ++slot) {
            if (!(x[slot] == y[slot])) return false;
        }
    }
    return a.store.soll == b.store.soll && a.kasten5_beantwortet == b.kasten5_beantwortet &&
           a.settings.mediaPfad == b.settings.mediaPfad &&
           a.frm1.mnuzeigbild.checked == b.frm1.mnuzeigbild.checked &&
           a.frm1.mnunixbild.checked == b.frm1.mnunixbild.checked;
}

}  // namespace
}  // namespace memvalo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    using namespace memvalo::fuzz;
    putFiles(pieces(data, size, 6));
    const std::string setPath = folder() + "satz.ldt";

    // A load that succeeds replaces all that is compared, so the two apps serve every input.
    static QuietApp first;
    static QuietApp second;
    first.app.setPath = setPath;
    if (platte_an_speicher(first.app) != LoadResult::Loaded) return 0;
    require(speicher_an_platte(first.app), "Speichern misslungen");
    const std::string saved = setBytes();

    second.app.setPath = setPath;
    require(platte_an_speicher(second.app) == LoadResult::Loaded,
            "gespeicherter Satz nicht lesbar");
    require(sameSet(first.app, second.app), "gespeicherter Satz liest sich anders");
    require(speicher_an_platte(second.app), "zweites Speichern misslungen");
    require(setBytes() == saved, "zweites Speichern schreibt andere Bytes");
    return 0;
}
