#include "print/print_source.h"

#include <filesystem>

#include "core/item_reader.h"
#include "core/learning_set_reader.h"
#include "core/safe_file.h"
#include "core/set_files.h"

namespace memvalo {

namespace {

struct Unreadable {
    std::string text;
};

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// A missing side file is an empty box, as when the set was opened.
void readSavedBox(const std::string& basePath, int box, Box& into) {
    const std::string path = basePath + std::string(boxExtension(box));
    if (box > 1 && !exists(path)) return;
    FileBytes bytes;
    if (readWholeFile(path, bytes))
        throw Unreadable{"Die Datei " + path + " kann nicht gelesen werden."};
    try {
        readBoxFile(std::move(bytes), box, into);
    } catch (const FormatError& e) {
        throw Unreadable{"Die Datei " + path + " ist beschädigt (Zeile " + std::to_string(e.line) +
                         ": " + e.what() + ")."};
    }
}

}  // namespace

std::unique_ptr<PrintBoxes> boxesToPrint(FilesContext& app) {
    auto boxes = std::make_unique<PrintBoxes>();
    if (app.setPath.empty()) {
        *boxes = app.store.boxes;
        return boxes;
    }
    try {
        for (int box = 1; box <= 5; ++box) {
            readSavedBox(basePathOf(app.setPath), box, (*boxes)[static_cast<std::size_t>(box - 1)]);
        }
    } catch (const Unreadable& unreadable) {
        app.msgBox("Die gespeicherte Lerndatei kann nicht gelesen werden.\r" + unreadable.text +
                       "\rEs wird nichts gedruckt.",
                   FilesContext::kTitle, Buttons::OK, Icon::Exclamation);
        return nullptr;
    }
    return boxes;
}

}  // namespace memvalo
