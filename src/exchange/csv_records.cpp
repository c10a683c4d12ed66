#include "exchange/csv_records.h"

#include <optional>

namespace memvalo {

bool CsvRecordReader::next(CsvRecord& record) {
    if (at_ >= text_.size()) return false;
    record = readRecord();
    return true;
}

bool CsvRecordReader::endsField(std::size_t i) const {
    return i >= text_.size() || text_[i] == separator_ || text_[i] == '\r' || text_[i] == '\n';
}

std::size_t CsvRecordReader::pastLineEnd(std::size_t i) {
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    ++line_;
    return i + 1;
}

CsvRecord CsvRecordReader::readRecord() {
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

std::string CsvRecordReader::readField() {
    if (text_[at_] == '"') {
        if (auto quoted = readQuoted()) return *quoted;
    }
    const std::size_t start = at_;
    while (!endsField(at_)) ++at_;
    return std::string(text_.substr(start, at_ - start));
}

std::optional<std::string> CsvRecordReader::readQuoted() {
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

}  // namespace memvalo
