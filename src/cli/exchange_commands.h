#pragma once
// The import and export commands of memvalo-cli: the conversions of the import and export
// windows without a window.
#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"

namespace memvalo {

// The command-line names of the export formats in the table's order: `between` each two,
// `beforeLast` before the last.
std::string exportFormatNames(std::string_view between, std::string_view beforeLast);

// The boxes a list such as "1,2,5" names; the first item that names no box, if any.
std::optional<std::string> boxesNamed(const std::string& list, std::array<bool, 5>& boxes);

// import-csv DATEI ZIEL
int importCsv(App& app, const std::string& file, const std::string& target, std::ostream& out,
              std::ostream& err);
// export FORMAT SET.ldt ZIEL [OPTIONEN]; args start with FORMAT.
int exportSet(App& app, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace memvalo
