#pragma once
// memvalo-cli statistik: the learning statistics of a set as text.
#include <iosfwd>
#include <string>

#include "app/app.h"

namespace memvalo {

int printStatistics(App& app, const std::string& setPath, std::ostream& out, std::ostream& err);

}  // namespace memvalo
