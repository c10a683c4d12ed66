#include "cli/search_command.h"

#include <ostream>

#include "cli/commands.h"
#include "cli/exchange_commands.h"
#include "study/card_search.h"

namespace memvalo {

namespace {

constexpr const char* kSearchUsage = "Aufruf: memvalo-cli suchen SET.ldt TEXT [--kaesten 2,3]\n";

}  // namespace

int searchSet(App& app, const std::vector<std::string>& args, std::ostream& out,
              std::ostream& err) {
    BoxChoice boxes = kAllBoxes;
    const bool withBoxes = args.size() == 4 && args[2] == "--kaesten";
    if (args.size() != 2 && !withBoxes) {
        err << kSearchUsage;
        return 2;
    }
    if (withBoxes) {
        if (const auto wrong = boxesNamed(args[3], boxes)) {
            err << "Kein Kasten von 1 bis 5: \"" << *wrong << "\".\n" << kSearchUsage;
            return 2;
        }
    }
    if (!loadSet(app, args[0], err)) return 1;
    const CardIndex index(app.store);
    // One hit a line: box, position, question and answer, apart by tabs.
    for (int hit : index.find(args[1], boxes)) {
        const SearchRow& row = index.rows()[static_cast<std::size_t>(hit)];
        out << row.box << '\t' << row.position << '\t' << row.cells[2] << '\t' << row.cells[3]
            << '\n';
    }
    return 0;
}

}  // namespace memvalo
