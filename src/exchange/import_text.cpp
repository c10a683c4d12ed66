#include "exchange/import_text.h"

#include <algorithm>

#include "core/codec.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool beyondAscii(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
}

// Invalid sequences decode to one replacement character per byte, which never encodes back
// to the same bytes.
bool validUtf8(std::string_view bytes) {
    return utf8::encode(utf8::decode(bytes)) == bytes;
}

}  // namespace

std::string importFileText(std::string_view bytes) {
    if (!beyondAscii(bytes) || !validUtf8(bytes)) return cp1252ToUtf8(bytes);
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    return std::string(bytes);
}

}  // namespace memvalo
