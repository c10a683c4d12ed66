#pragma once
// Splitting the text of an import file into records, one per line, and each record into its
// fields at every separator. A field that begins with a double quote, as spreadsheet programs
// write a field holding the separator, a quote or a line break, runs to its closing quote
// (doubled quotes inside stand for one) and may span lines; a quote that is not closed right
// before a separator or a line end is an ordinary character.
#include <string>
#include <string_view>
#include <vector>

namespace memvalo {

struct CsvRecord {
    int line = 0;  // the line of the file the record starts on, from 1
    std::vector<std::string> fields;
};

// Lines end in CR LF, LF or CR; a line break inside a quoted field is kept as CR LF.
std::vector<CsvRecord> splitRecords(std::string_view text, char separator);

}  // namespace memvalo
