#pragma once
// Turning the text of a delimited file into the cards of box 1 of a new learning set, and
// writing that set. Shared by the import window and the command-line tool.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/box.h"
#include "core/disk_stamp.h"

namespace memvalo {

inline constexpr char kTab = '\t';
// The refusal of a file with too few separators.
inline constexpr std::string_view kTooFewSeparators =
    "Es wurden keine oder zuwenig Trennzeichen gefunden!\rEvtl. ist die Datei leer oder "
    "beschädigt.";
inline constexpr std::string_view kTooFewSeparatorsTitle = "Fehler beim Einlesen";
// The message for a line that does not hold 2 to 4 fields.
inline constexpr std::string_view kWrongFieldCount = "Fehler bei Anzahl der Trennzeichen";

// The separator of the whole file: the tab when it occurs more often than ";", else ";".
// Nothing when both occur fewer than 4 times.
std::optional<char> detectSeparator(std::string_view text);

// "F E R T I G  !  Es wurden 12 Datensätze importiert!"
std::string importDoneText(int count);

// Fills `box` with one card per line of `text`, at most 2000 (further lines are ignored). A
// line without 2 to 4 fields is reported to `wrongLine` with its line number and becomes an
// empty card. Every card carries `today` as its creation date and a wrong count of "0".
// Gives the number of cards.
int konvertCards(std::string_view text, char separator, const std::string& today, Box& box,
                 const std::function<void(int line)>& wrongLine);

// Writes the new set: box 1 at folder + fileName, the empty boxes 2 to 5 and the options
// (2000 cards for every box, no pictures) beside it, named after fileName with every ".ldt"
// taken out. A set of the usual name replaces an old one of that name as a whole or not at all.
// When `expected` is given, a set that another program changed since is not replaced
// (SetConflict::ChangedOnDisk).
std::error_code writeImportedSet(const std::string& folder, const std::string& fileName, Box& box1,
                                 const DiskStamp* expected = nullptr);
// The base path of the set writeImportedSet writes.
std::string importedSetBase(const std::string& folder, const std::string& fileName);

}  // namespace memvalo
