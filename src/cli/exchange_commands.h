#pragma once
// The import and export commands of memvalo-cli: the conversions of the import and export
// windows without a window.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/app.h"

namespace memvalo {

// The option lines of "memvalo-cli export" for the usage text.
extern const char* const kExportUsage;

// import-csv DATEI ZIEL
int importCsv(App& app, const std::string& file, const std::string& target, std::ostream& out,
              std::ostream& err);
// export FORMAT SET.ldt ZIEL [OPTIONEN]; args start with FORMAT.
int exportSet(App& app, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace memvalo
