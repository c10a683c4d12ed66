#include "files/example_set.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/paths.h"
#include "core/platte_an_speicher.h"
#include "core/speicher_an_platte.h"
#include "files/open_set.h"

namespace fs = std::filesystem;

namespace memvalo {

namespace {

constexpr std::string_view kFolder = "beispiel/";
constexpr std::string_view kCopyFolder = "Beispiel/";
constexpr std::string_view kName = "Englisch-Beispiel.ldt";

std::string shippedExamplePath(const FilesContext& app) {
    return app.paths.programFolder + std::string(kFolder) + std::string(kName);
}

// The shipped cards name their pictures and sounds without a folder: in the copy they name
// the copies made beside it.
void takeMediaAlong(FilesContext& job, const std::string& from, const std::string& to) {
    for (int box = 1; box <= 5; ++box) {
        Box& k = job.store.k(box);
        for (int slot = 1; slot <= k.anz; ++slot) {
            std::string& medium = k[slot].medium;
            if (medium.empty() || medium.find(kSeparator) != std::string::npos) continue;
            std::error_code ec;
            fs::copy_file(from + medium, to + medium, fs::copy_options::overwrite_existing, ec);
            medium = to + medium;
        }
    }
    job.settings.mediaPfad = to;
}

// Reads the shipped set apart from the one in memory and saves it as the learner's copy.
bool copyExample(FilesContext& app, const std::string& copy) {
    const std::string shipped = shippedExamplePath(app);
    const std::string to = GetPathOrFileName(copy, true);
    std::error_code ec;
    fs::create_directories(to, ec);
    FilesContext job(app.platform);
    job.paths = app.paths;
    job.setPath = shipped;
    if (platte_an_speicher(job) != LoadResult::Loaded) return false;
    takeMediaAlong(job, GetPathOrFileName(shipped, true), to);
    job.setPath = copy;
    return speicher_an_platte(job);
}

}  // namespace

std::string exampleCopyPath(const FilesContext& app) {
    return app.paths.dataFolder + std::string(kCopyFolder) + std::string(kName);
}

void mnubeispiel_Click(FilesContext& app) {
    const std::string copy = exampleCopyPath(app);
    std::error_code ec;
    if (!fs::exists(copy, ec) && !copyExample(app, copy)) {
        app.msgBox("Das Beispiel konnte nicht im Datenverzeichnis\r" +
                       GetPathOrFileName(copy, true) + "\rangelegt werden.",
                   "Beispiel öffnen", Buttons::OK, Icon::Information);
        return;
    }
    openFromHistory(app, copy);
}

}  // namespace memvalo
