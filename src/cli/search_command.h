#pragma once
// memvalo-cli suchen: the cards of a set that hold the given words, as the search window
// finds them.
#include <iosfwd>
#include <string>
#include <vector>

#include "app/app.h"

namespace memvalo {

// suchen SET.ldt TEXT [--kaesten 2,3]; args start with SET.ldt.
int searchSet(App& app, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace memvalo
