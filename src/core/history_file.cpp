#include "core/history_file.h"

#include <filesystem>

#include "core/safe_file.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

// Larger appends go into a whole new file: the commit marker that carries them stays small.
constexpr std::size_t kMaxAppendedBytes = kMaxLineFileBytes / 2;

std::string pathOf(const std::string& basePath) {
    return basePath + std::string(kHistoryExtension);
}

std::uint64_t sizeOnDisk(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : size;
}

void startEmpty(LearningHistory& history, const std::string& basePath) {
    history = LearningHistory{};
    history.kept = true;
    history.basePath = basePath;
}

// Renames the file aside and tells why; false when even that fails.
bool setAside(Session& app, const std::string& path, const std::string& reason) {
    const std::string aside = setAsideName(path, app.platform.today());
    std::error_code ec;
    std::filesystem::rename(path, aside, ec);
    if (ec) {
        app.msgBox("Der Lernverlauf " + path + " ist unbrauchbar (" + reason +
                       ") und kann nicht beiseitegelegt werden (" + fileErrorReason(ec) +
                       ").\rBis dahin wird kein Lernverlauf gespeichert; die Karten sind davon "
                       "nicht betroffen.",
                   "Lernverlauf", Buttons::OK, Icon::Exclamation);
        return false;
    }
    app.msgBox("Der Lernverlauf " + path + " ist unbrauchbar (" + reason + ").\rEr wurde als " +
                   aside +
                   " beiseitegelegt, ein neuer Lernverlauf beginnt; die Karten sind davon nicht "
                   "betroffen.",
               "Lernverlauf", Buttons::OK, Icon::Exclamation);
    return true;
}

std::optional<Day> today(const Session& app) {
    return dayOf(trimBlanks(app.platform.today()));
}

}  // namespace

std::string setAsideName(const std::string& historyPath, const std::string& today) {
    std::string digits;
    for (char c : today) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const std::string name = historyPath + ".defekt-" + digits;
    std::error_code ec;
    std::string candidate = name;
    for (int n = 2; std::filesystem::exists(candidate, ec); ++n) {
        candidate = name + "-" + std::to_string(n);
    }
    return candidate;
}

void openHistory(Session& app) {
    LearningHistory& history = app.history;
    const std::string path = pathOf(app.setBasePath);
    startEmpty(history, app.setBasePath);
    std::string bytes;
    const std::error_code ec = readWholeFile(path, bytes, kMaxHistoryBytes);
    if (ec == std::errc::no_such_file_or_directory) return;
    if (ec == std::errc::file_too_large) {
        history.kept =
            setAside(app, path, "größer als " + std::to_string(kMaxHistoryBytes >> 20) + " MB");
        return;
    }
    if (ec) {
        history.kept = false;
        app.msgBox("Der Lernverlauf " + path + " kann nicht gelesen werden (" +
                       fileErrorReason(ec) +
                       ").\rBis dahin wird kein Lernverlauf gespeichert; die Karten sind davon "
                       "nicht betroffen.",
                   "Lernverlauf", Buttons::OK, Icon::Exclamation);
        return;
    }
    if (const auto fault = parseHistory(bytes, history)) {
        startEmpty(history, app.setBasePath);
        history.kept =
            setAside(app, path, "Zeile " + std::to_string(fault->line) + ": " + fault->reason);
    }
}

void startHistory(Session& app) {
    startEmpty(app.history, {});
}

void recordAnswer(Session& app, int box, bool right) {
    LearningHistory& history = app.history;
    if (!history.kept) return;
    const auto day = today(app);
    const auto second = secondOf(app.platform.timeOfDay());
    if (!day || !second) return;
    history.answers.push_back({*day, *second, static_cast<std::int8_t>(box), right});
}

void withoutOldHistory(const std::string& basePath, std::vector<SetFileContent>& files) {
    std::error_code ec;
    if (std::filesystem::exists(pathOf(basePath), ec)) files.push_back({kHistoryExtension, {}});
}

std::optional<HistorySave> historySaveOf(const Session& app) {
    const LearningHistory& history = app.history;
    const auto day = today(app);
    if (!history.kept || !day) return std::nullopt;
    HistorySave save;
    save.today.day = *day;
    for (int box = 1; box <= 5; ++box) save.today.counts[box - 1] = app.store.k(box).anz;
    const std::string path = pathOf(app.setBasePath);
    std::string lines;
    for (std::size_t i = history.savedAnswers; i < history.answers.size(); ++i) {
        appendAnswerLine(lines, history.answers[i]);
    }
    appendDayLine(lines, save.today);
    const bool sameFile =
        history.basePath == app.setBasePath && sizeOnDisk(path) == history.fileSize;
    if (sameFile && lines.size() <= kMaxAppendedBytes) {
        const bool replacesToday =
            history.lastDayLine < history.fileSize && history.lastDayLineDay == *day;
        save.appended =
            AppendedBytes{linkTarget(path), replacesToday ? history.lastDayLine : history.fileSize,
                          std::move(lines)};
        return save;
    }
    LearningHistory whole = history;
    putDay(whole.days, save.today);
    save.wholeFile = historyBytes(whole);
    return save;
}

void historySaved(Session& app, const HistorySave& save) {
    LearningHistory& history = app.history;
    history.savedAnswers = history.answers.size();
    putDay(history.days, save.today);
    history.basePath = app.setBasePath;
    history.fileSize =
        save.appended ? save.appended->keep + save.appended->bytes.size() : save.wholeFile->size();
    std::string dayLine;
    appendDayLine(dayLine, save.today);
    const bool endsInDay = save.appended || save.wholeFile->ends_with(dayLine);
    history.lastDayLine = endsInDay ? history.fileSize - dayLine.size() : history.fileSize;
    history.lastDayLineDay = save.today.day;
}

}  // namespace memvalo
