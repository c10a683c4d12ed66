#include "exchange/import_text.h"

#include <algorithm>
#include <utility>

#include "core/codec.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool beyondAscii(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
}

// An invalid sequence is passed over one byte at a time, which only ASCII bytes are in valid
// text. Checked in place, so a large file is never held a second time.
bool validUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t at = i;
        utf8::next(bytes, i);
        if (i == at + 1 && static_cast<unsigned char>(bytes[at]) >= 0x80) return false;
    }
    return true;
}

}  // namespace

std::string importFileText(std::string_view bytes) {
    if (!beyondAscii(bytes) || !validUtf8(bytes)) return cp1252ToUtf8(bytes);
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    return std::string(bytes);
}

std::string importFileText(std::string&& bytes) {
    if (!beyondAscii(bytes)) return std::move(bytes);
    if (!validUtf8(bytes)) return cp1252ToUtf8(bytes);
    if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
    return std::move(bytes);
}

}  // namespace memvalo
