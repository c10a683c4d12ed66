#pragma once
// "memvalo-cli import": a deck of another flash-card program becomes a new learning set.
#include <iosfwd>
#include <string>
#include <vector>

#include "app/app.h"

namespace memvalo {

extern const char* const kDeckImportUsage;

// import DECK NEW.ldt [--stapel NAME] [--sprachen Q,A]; args start with DECK.
int importDeck(App& app, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);

}  // namespace memvalo
