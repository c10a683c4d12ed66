#include "core/item_reader.h"

#include <algorithm>

#include "core/codec.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

void ItemReader::skipBlanks() {
    while (!atEnd() && text_[pos_] == ' ') ++pos_;
}

bool ItemReader::consumeLineEnd() {
    if (atEnd() || !isLineEnd(text_[pos_])) return false;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
    return true;
}

void ItemReader::countLines(std::string_view part) {
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '\n' || (part[i] == '\r' && (i + 1 == part.size() || part[i + 1] != '\n'))) {
            ++line_;
        }
    }
}

void ItemReader::fail(FormatError::Kind kind, const std::string& what) const {
    throw FormatError(kind, line_, what);
}

std::string ItemReader::quoted() {
    const std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) {
        fail(FormatError::Kind::Truncated, "ein Text in Anführungszeichen wird nicht geschlossen");
    }
    const std::string_view value = text_.substr(pos_ + 1, close - pos_ - 1);
    countLines(value);
    pos_ = close + 1;
    skipBlanks();
    if (atEnd() || consumeLineEnd()) return std::string(value);
    if (text_[pos_] == ',') {
        ++pos_;
        return std::string(value);
    }
    fail(FormatError::Kind::Malformed, "hinter einem Text in Anführungszeichen steht noch etwas");
}

std::string ItemReader::item() {
    skipBlanks();
    if (atEnd()) fail(FormatError::Kind::Truncated, "die Datei endet zu früh");
    if (text_[pos_] == '"') return quoted();
    const std::size_t start = pos_;
    while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    std::string value = trimBlanks(text_.substr(start, pos_ - start));
    if (!atEnd() && text_[pos_] == ',') {
        ++pos_;
    } else {
        consumeLineEnd();
    }
    return value;
}

long ItemReader::countLine() {
    const int at = line_;
    const std::string text = trimBlanks(line());
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
        line_ = at;
        constexpr std::size_t kShown = 40;
        const std::string shown =
            cp1252ToUtf8(text.substr(0, kShown)) + (text.size() > kShown ? "…" : "");
        fail(FormatError::Kind::Malformed, "statt einer Kartenanzahl steht dort \"" + shown + "\"");
    }
    return std::stol(text);
}

std::string ItemReader::line() {
    if (atEnd()) fail(FormatError::Kind::Truncated, "die Datei endet zu früh");
    const std::size_t start = pos_;
    while (!atEnd() && !isLineEnd(text_[pos_])) ++pos_;
    std::string value(text_.substr(start, pos_ - start));
    consumeLineEnd();
    return value;
}

std::string ItemReader::lineItem() {
    skipBlanks();
    if (atEnd()) fail(FormatError::Kind::Truncated, "die Datei endet zu früh");
    std::size_t end = pos_;
    while (end < text_.size() && !isLineEnd(text_[end])) ++end;
    const std::string value = trimBlanks(text_.substr(pos_, end - pos_));
    const bool wrapped = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (!wrapped && !value.empty() && value.front() == '"') return quoted();
    pos_ = end;
    consumeLineEnd();
    return wrapped ? value.substr(1, value.size() - 2) : value;
}

bool ItemReader::onlyBlankLinesLeft() const {
    return text_.find_first_not_of(" \r\n", pos_) == std::string_view::npos;
}

}  // namespace memvalo
