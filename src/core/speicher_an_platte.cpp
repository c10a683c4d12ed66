#include "core/speicher_an_platte.h"

#include "core/history_file.h"
#include "core/learning_set_writer.h"
#include "core/platte_an_speicher.h"
#include "core/set_files.h"
#include "core/set_lock.h"
#include "core/set_option_table.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

using CardStarts = std::array<std::vector<std::uint32_t>, 5>;

// The six files of the set in memory, in the order they are written, and where each card
// starts in its box file. A blank wrong-answer count is stored back as "0", in memory as in
// the file.
std::vector<SetFileContent> setFilesOf(Session& app, CardStarts& cardStarts) {
    std::vector<SetFileContent> files{{kSetExtensions[0], optionsFileBytes(setOptionsOf(app))}};
    for (int box = 1; box <= 5; ++box) {
        auto& starts = cardStarts[static_cast<std::size_t>(box - 1)];
        files.push_back(
            {boxExtension(box), boxFileBytes(app.store.k(box), box, FalschForm::Padded, &starts)});
    }
    return files;
}

}  // namespace

bool speicher_an_platte(Session& app, const SaveStepHook& hook, AfterSave after) {
    app.setBasePath = basePathOf(app.setPath);
    app.settings.letzteDatei = app.setPath;
    if (GetPathOrFileName(app.setPath, false).empty()) {
        app.msgBox("Abspeichern wurde abgebrochen...", Session::kTitle);
        return false;
    }
    DiskStamp written;
    CardStarts cardStarts;
    std::vector<SetFileContent> files = setFilesOf(app, cardStarts);
    const std::optional<HistorySave> history = historySaveOf(app);
    if (history && history->wholeFile) files.push_back({kHistoryExtension, *history->wholeFile});
    const FileError e =
        saveSetFiles(app.setBasePath, files, hook,
                     {.expected = &app.diskStamp,
                      .written = &written,
                      .appended = history && history->appended ? &*history->appended : nullptr});
    if (!e) {
        app.diskStamp = std::move(written);
        if (history) historySaved(app, *history);
        if (after == AfterSave::TakeWritten) takeWrittenSet(app, files, std::move(cardStarts));
        return true;
    }
    if (const std::string text = setConflictText(app.setPath, e.code); !text.empty()) {
        app.msgBox(text, Session::kTitle, Buttons::OK, Icon::Exclamation);
        return false;
    }
    const bool notFound = e.code == std::errc::no_such_file_or_directory;
    app.msgBox(std::string(notFound ? "Nisch vorhanden!" : "Abspeichern wurde abgebrochen...") +
                   "\r" + cannotWriteText(e),
               Session::kTitle);
    return false;
}

}  // namespace memvalo
