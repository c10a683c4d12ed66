#pragma once
// A deck of another program becomes one learning set, or several when a box would hold more
// than a box can: NAME.ldt, then NAME-2.ldt, NAME-3.ldt, ... The media go into NAME-Medien/
// beside them, and the cards refer to them relative to the set's folder.
#include <array>
#include <string>
#include <vector>

#include "core/safe_file.h"
#include "exchange/deck.h"

namespace memvalo {

struct DeckImportReport {
    int total = 0;
    std::array<int, 5> perBox{};
    int ohneWeiteresMedium = 0;     // cards whose further media were left out
    int medienFehlen = 0;           // cards whose medium could not be copied
    std::vector<std::string> sets;  // the sets written, the first one named by the user
};

// The capacities for boxes holding these counts: the defaults, raised where a box needs more
// room (at most 2000), in ascending order.
std::array<int, 5> importCapacities(const std::array<int, 5>& counts);

// The cards per box as the deck will give them.
std::array<int, 5> cardsPerBox(const Deck& deck);

// Writes the sets, each crash-safely, all in one save; `setPath` ends in ".ldt". The report
// names the sets written.
FileError writeDeckSets(const Deck& deck, const std::string& setPath, const std::string& today,
                        DeckImportReport& report);

// "12 Karten importiert, 4 in Kasten 1, 8 in Kasten 2; 1 ohne weiteres Medium"
std::string deckReportText(const DeckImportReport& report);

}  // namespace memvalo
