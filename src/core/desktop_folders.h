#pragma once
// The per-user folders of a Linux desktop and today's date, for every front end.
#include <string>

namespace memvalo {

// $XDG_DATA_HOME, else ~/.local/share; empty when there is no home folder.
std::string xdgDataHome();
// The documents folder: $XDG_DOCUMENTS_DIR, ~/Documents when it exists, else the home folder.
std::string xdgDocumentsFolder();
// Today's date as DD.MM.YYYY in local time.
std::string todayText();
// The time of day as HH:MM:SS in local time.
std::string timeOfDayText();

}  // namespace memvalo
