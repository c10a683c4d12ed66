#include "core/item_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/byte_set.h"
#include "core/codec.h"
#include "core/text_encoding.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// A plain item runs to the first of these.
constexpr std::array<bool, 256> kEndsPlainItem = byteSet(",\r\n");

// The readable beginning of a text, short enough to quote in a message: a damaged file may
// hold a long run of bytes there, or no text at all.
std::string excerpt(std::string_view text) {
    constexpr std::size_t kMaxCharacters = 20;
    const std::u32string chars = utf8::decode(text);
    std::u32string kept;
    for (const char32_t c : chars) {
        const bool readable = c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && c != 0xFFFD;
        if (!readable || kept.size() == kMaxCharacters) break;
        kept += c;
    }
    std::string out = utf8::encode(kept);
    if (kept.size() < chars.size()) out += "…";
    return out;
}

std::string_view blanksTrimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Where a plain item starting at `from` ends: its dates and counts are short, so sixteen bytes
// at a time mostly find the end with the first look.
std::size_t plainItemEnd(const char* bytes, std::size_t from, std::size_t size) {
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; from + 16 <= size; from += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + from));
        const __m128i ends =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, comma), _mm_cmpeq_epi8(chunk, cr)),
                         _mm_cmpeq_epi8(chunk, lf));
        const int mask = _mm_movemask_epi8(ends);
        if (mask != 0) return from + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    while (from < size && !kEndsPlainItem[static_cast<unsigned char>(bytes[from])]) ++from;
    return from;
}

// Where the quoted text starting at `from` closes, or size. Nearly every text closes within 64
// bytes, so one look at all 64 answers without a branch that depends on the text's length: a
// loop over shorter steps, or memchr, stops after a varying number of them and the processor
// mispredicts where.
std::size_t closingQuote(const char* bytes, std::size_t from, std::size_t size) {
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"');
    const auto quotesIn = [&](std::size_t at) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        return static_cast<std::uint64_t>(
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, quote))));
    };
    if (from + 64 <= size) {
        const std::uint64_t quotes = quotesIn(from) | (quotesIn(from + 16) << 16) |
                                     (quotesIn(from + 32) << 32) | (quotesIn(from + 48) << 48);
        if (quotes != 0) return from + static_cast<std::size_t>(std::countr_zero(quotes));
        from += 64;
    }
#endif
    const void* close = std::memchr(bytes + from, '"', size - from);
    return close ? static_cast<std::size_t>(static_cast<const char*>(close) - bytes) : size;
}

}  // namespace

void ItemReader::skipBlanks() {
    while (!atEnd() && text_[pos_] == ' ') ++pos_;
}

bool ItemReader::consumeLineEnd() {
    if (atEnd() || !isLineEnd(text_[pos_])) return false;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    return true;
}

// A line ends at "\r\n", a lone "\r" or a lone "\n".
int ItemReader::lineNumber() const {
    int line = 1;
    for (std::size_t i = 0; i < pos_; ++i) {
        if (text_[i] == '\n' ||
            (text_[i] == '\r' && (i + 1 == text_.size() || text_[i + 1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

void ItemReader::fail(FormatError::Kind kind, const std::string& what) const {
    throw FormatError(kind, lineNumber(), what);
}

std::string_view ItemReader::quoted() {
    const std::size_t close = closingQuote(text_.data(), pos_ + 1, text_.size());
    if (close == text_.size()) {
        fail(FormatError::Kind::Truncated, "ein Text in Anführungszeichen wird nicht geschlossen");
    }
    const std::string_view value = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    skipBlanks();
    if (atEnd() || consumeLineEnd()) return value;
    if (text_[pos_] == ',') {
        ++pos_;
        return value;
    }
    fail(FormatError::Kind::Malformed, "hinter einem Text in Anführungszeichen steht noch etwas");
}

std::string_view ItemReader::item() {
    skipBlanks();
    if (atEnd()) fail(FormatError::Kind::Truncated, "die Datei endet zu früh");
    if (text_[pos_] == '"') return quoted();
    const std::size_t start = pos_;
    pos_ = plainItemEnd(text_.data(), pos_, text_.size());
    const std::string_view value = blanksTrimmed(text_.substr(start, pos_ - start));
    if (!atEnd() && text_[pos_] == ',') {
        ++pos_;
    } else {
        consumeLineEnd();
    }
    return value;
}

// The common shapes, a quoted or a plain item ended by a comma or CR LF, are passed in one
// loop on local copies (a store to pos_ could change any byte read through a char pointer as
// far as the compiler knows, so it would reload both at every character); at any other shape
// item() takes over, with its messages.
void ItemReader::skip(int count) {
    const char* const bytes = text_.data();
    const std::size_t size = text_.size();
    std::size_t at = pos_;
    const auto blanksFrom = [&](std::size_t i) {
        while (i < size && bytes[i] == ' ') ++i;
        return i;
    };
    for (; count > 0; --count) {
        std::size_t end = blanksFrom(at);
        if (end < size && bytes[end] == '"') {
            const std::size_t close = closingQuote(bytes, end + 1, size);
            if (close == size) break;
            end = close + 1;
        } else {
            end = plainItemEnd(bytes, end, size);
        }
        end = blanksFrom(end);
        if (end < size && bytes[end] == ',') {
            at = end + 1;
        } else if (end + 1 < size && bytes[end] == '\r' && bytes[end + 1] == '\n') {
            at = end + 2;
        } else {
            break;
        }
    }
    pos_ = at;
    for (; count > 0; --count) item();
}

long ItemReader::countLine() {
    const std::size_t start = pos_;
    const std::string_view text = blanksTrimmed(line());
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
        pos_ = start;
        // Only the line's beginning is decoded: a damaged file may hold megabytes there.
        fail(FormatError::Kind::Malformed, "statt einer Kartenanzahl steht dort \"" +
                                               excerpt(cp1252ToUtf8(text.substr(0, 64))) + "\"");
    }
    return std::stol(std::string(text));
}

std::string_view ItemReader::line() {
    if (atEnd()) fail(FormatError::Kind::Truncated, "die Datei endet zu früh");
    const std::size_t start = pos_;
    while (!atEnd() && !isLineEnd(text_[pos_])) ++pos_;
    const std::string_view value = text_.substr(start, pos_ - start);
    consumeLineEnd();
    return value;
}

std::string_view ItemReader::lineItem() {
    skipBlanks();
    if (atEnd()) fail(FormatError::Kind::Truncated, "die Datei endet zu früh");
    std::size_t end = pos_;
    while (end < text_.size() && !isLineEnd(text_[end])) ++end;
    const std::string_view value = blanksTrimmed(text_.substr(pos_, end - pos_));
    const bool wrapped = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (!wrapped && !value.empty() && value.front() == '"') return quoted();
    pos_ = end;
    consumeLineEnd();
    return wrapped ? value.substr(1, value.size() - 2) : value;
}

void ItemReader::skipLineItem() {
    // Most such lines are plain, many empty: they end at CR LF before any quotation mark.
    const std::size_t size = text_.size();
    std::size_t end = pos_;
    while (end < size && text_[end] != '"' && !isLineEnd(text_[end])) ++end;
    if (end + 1 < size && text_[end] == '\r' && text_[end + 1] == '\n') {
        pos_ = end + 2;
    } else {
        lineItem();
    }
}

bool ItemReader::onlyBlankLinesLeft() const {
    return text_.find_first_not_of(" \r\n", pos_) == std::string_view::npos;
}

}  // namespace memvalo
