#include "cli/statistics_command.h"

#include <ostream>

#include "cli/commands.h"
#include "core/history_file.h"
#include "core/text_encoding.h"
#include "study/statistics_text.h"

namespace memvalo {

namespace {

constexpr std::size_t kPrintedProblemCards = 10;

}  // namespace

int printStatistics(App& app, const std::string& setPath, std::ostream& out, std::ostream& err) {
    if (!loadSet(app, setPath, err)) return 1;
    openHistory(app);
    const auto today = dayOf(trimBlanks(app.platform.today()));
    if (!today) return 1;
    out << "Lernstatistik von " << setPath << '\n'
        << statisticsText(learningStatistics(app.store, app.history, *today), kPrintedProblemCards);
    return 0;
}

}  // namespace memvalo
