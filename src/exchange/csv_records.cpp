#include "exchange/csv_records.h"

#include <optional>

namespace memvalo {

namespace {

class RecordReader {
  public:
    RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    std::vector<CsvRecord> read() {
        std::vector<CsvRecord> records;
        while (at_ < text_.size()) records.push_back(readRecord());
        return records;
    }

  private:
    bool endsField(std::size_t i) const {
        return i >= text_.size() || text_[i] == separator_ || text_[i] == '\r' || text_[i] == '\n';
    }

    // Moves past one line end at i; gives the index after it.
    std::size_t pastLineEnd(std::size_t i) {
        if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
        ++line_;
        return i + 1;
    }

    CsvRecord readRecord() {
        CsvRecord record{line_, {}};
        for (;;) {
            record.fields.push_back(readField());
            if (at_ >= text_.size()) break;
            if (text_[at_] == separator_) {
                ++at_;
                continue;
            }
            at_ = pastLineEnd(at_);
            break;
        }
        return record;
    }

    std::string readField() {
        if (text_[at_] == '"') {
            if (auto quoted = readQuoted()) return *quoted;
        }
        const std::size_t start = at_;
        while (!endsField(at_)) ++at_;
        return std::string(text_.substr(start, at_ - start));
    }

    // The field when its closing quote stands right before a separator, a line end or the end
    // of the text; otherwise nothing is consumed.
    std::optional<std::string> readQuoted() {
        std::string value;
        const int startLine = line_;
        for (std::size_t i = at_ + 1; i < text_.size();) {
            const char c = text_[i];
            if (c == '"') {
                if (i + 1 < text_.size() && text_[i + 1] == '"') {
                    value += '"';
                    i += 2;
                    continue;
                }
                if (!endsField(i + 1)) break;
                at_ = i + 1;
                return value;
            }
            if (c == '\r' || c == '\n') {
                value += "\r\n";
                i = pastLineEnd(i);
                continue;
            }
            value += c;
            ++i;
        }
        line_ = startLine;
        return std::nullopt;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

std::vector<CsvRecord> splitRecords(std::string_view text, char separator) {
    return RecordReader(text, separator).read();
}

}  // namespace memvalo
