#pragma once
// The learning history of the open set in the window: read when a set is opened, growing with
// every answer, written with the set inside its crash-safe save.
#include <optional>
#include <string>
#include <vector>

#include "core/session.h"
#include "core/set_save_transaction.h"

namespace memvalo {

// A history that cannot be read is set aside under this name and a new one begins.
std::string setAsideName(const std::string& historyPath, const std::string& today);

// Reads the history of the set just opened. A damaged or oversized file is renamed aside with a
// message, and the history starts anew; the cards are never held up by it.
void openHistory(Session& app);
// A new set starts an empty history.
void startHistory(Session& app);

void recordAnswer(Session& app, int box, bool right);

// An imported set starts without a history: an older set's history of that name is emptied
// with the set's save.
void withoutOldHistory(const std::string& basePath, std::vector<SetFileContent>& files);

// What a save adds to the history: the answers given since the last save and today's counts,
// appended to the file that holds the rest, or the whole file where the set moves to another
// name (or the file on disk is no longer the one read).
struct HistorySave {
    std::optional<AppendedBytes> appended;
    std::optional<std::string> wholeFile;
    DayCounts today;
};
std::optional<HistorySave> historySaveOf(const Session& app);
// The save counted: what it wrote is the history's file now.
void historySaved(Session& app, const HistorySave& save);

}  // namespace memvalo
