#include "core/written_card_bytes.h"

#include <array>
#include <string>

#include "core/card_record.h"
#include "core/codec.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

constexpr std::size_t kNot = std::string_view::npos;

// Only the line end the writer puts after every item.
std::size_t afterLineEnd(std::string_view bytes, std::size_t at) {
    if (at + 2 > bytes.size() || bytes[at] != '\r' || bytes[at + 1] != '\n') return kNot;
    return at + 2;
}

// The bytes of a plain item that read back as themselves: no delimiter, no control, and no "&"
// that could start a character reference.
constexpr std::array<bool, 256> kPlainByte = [] {
    std::array<bool, 256> plain{};
    for (int b = 0x20; b < 256; ++b) plain[static_cast<std::size_t>(b)] = true;
    plain[','] = plain['"'] = plain['&'] = false;
    return plain;
}();

// Where the plain bytes from `at` on end.
std::size_t plainEnd(std::string_view bytes, std::size_t at) {
    while (at < bytes.size() && kPlainByte[static_cast<unsigned char>(bytes[at])]) ++at;
    return at;
}

// A card text as loading and writing it again give it back: a character reference it holds
// may be written in another form.
bool textReadsBackAsItself(std::string_view stored) {
    thread_local std::string text;
    thread_local std::string again;
    text.clear();
    again.clear();
    appendUtf8(text, stored, References::Decode);
    anfuehrung_weg(text);
    appendCp1252(again, text);
    return again == stored;
}

// "text" and a line end. Every byte inside reads back as itself, except an "&".
std::size_t quotedText(std::string_view bytes, std::size_t at) {
    if (at >= bytes.size() || bytes[at] != '"') return kNot;
    const std::size_t close = bytes.find('"', at + 1);
    if (close == kNot) return kNot;
    const std::string_view text = bytes.substr(at + 1, close - at - 1);
    const bool asItself =
        text.find('&') == kNot || onlyWrittenReferences(text) || textReadsBackAsItself(text);
    if (!asItself) return kNot;
    return afterLineEnd(bytes, close + 1);
}

// A plain item and its line end. `padded`: exactly as wide as a date field, starting with
// no blank unless all blank; otherwise with no blank at either end.
std::size_t plainItem(std::string_view bytes, std::size_t at, bool padded, bool blankAllowed) {
    const std::size_t end = plainEnd(bytes, at);
    const std::string_view item = bytes.substr(at, end - at);
    const bool blank = item.empty() || (item.front() == ' ' && item.find_first_not_of(' ') == kNot);
    if (blank) {
        if (!blankAllowed || (padded && item.size() != FixedText::kWidth)) return kNot;
    } else if (item.front() == ' ' ||
               (padded ? item.size() != FixedText::kWidth
                       : item.back() == ' ' || item.size() > FixedText::kWidth)) {
        return kNot;
    }
    return afterLineEnd(bytes, end);
}

}  // namespace

std::size_t writtenCardEnd(std::string_view bytes, std::size_t at, int boxNumber,
                           FalschForm falsch) {
    for (int i = 0; i < 4 && at != kNot; ++i) at = quotedText(bytes, at);
    for (int i = 0; i < 1 + CardRecord::datesOfBox(boxNumber) && at != kNot; ++i) {
        at = plainItem(bytes, at, true, true);
    }
    // A blank count is written as "0".
    if (at != kNot) at = plainItem(bytes, at, falsch == FalschForm::Padded, false);
    if (at == kNot) return kNot;
    // The media path: any length, no blank at either end.
    const std::size_t end = plainEnd(bytes, at);
    const std::string_view medium = bytes.substr(at, end - at);
    if (!medium.empty() && (medium.front() == ' ' || medium.back() == ' ')) return kNot;
    return afterLineEnd(bytes, end);
}

}  // namespace memvalo
