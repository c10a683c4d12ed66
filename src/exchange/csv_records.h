#pragma once
// Splitting the text of an import file into records, one per line, and each record into its
// fields at every separator. A field that begins with a double quote, as spreadsheet programs
// write a field holding the separator, a quote or a line break, runs to its closing quote
// (doubled quotes inside stand for one) and may span lines; a quote that is not closed right
// before a separator or a line end is an ordinary character.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace memvalo {

struct CsvRecord {
    int line = 0;  // the line of the file the record starts on, from 1
    std::vector<std::string> fields;
};

// Reads the records one after the other, so a caller that needs only the first ones never
// holds the rest. Lines end in CR LF, LF or CR; a line break inside a quoted field is kept as
// CR LF.
class CsvRecordReader {
  public:
    CsvRecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}
    // False at the end of the text.
    bool next(CsvRecord& record);

  private:
    bool endsField(std::size_t i) const;
    // Moves past one line end at i; gives the index after it.
    std::size_t pastLineEnd(std::size_t i);
    CsvRecord readRecord();
    std::string readField();
    // The field when its closing quote stands right before a separator, a line end or the end
    // of the text; otherwise nothing is consumed.
    std::optional<std::string> readQuoted();

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
};

}  // namespace memvalo
