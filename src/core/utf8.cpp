#include "core/utf8.h"

namespace memvalo::utf8 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Number of continuation bytes announced by a lead byte, or -1 for an invalid lead.
int continuationCount(unsigned char lead) {
    if (lead < 0x80) return 0;
    if ((lead & 0xE0) == 0xC0) return 1;
    if ((lead & 0xF0) == 0xE0) return 2;
    if ((lead & 0xF8) == 0xF0) return 3;
    return -1;
}

bool decodeOne(std::string_view text, std::size_t& i, char32_t& out) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = continuationCount(lead);
    if (extra < 0 || i + extra >= text.size()) return false;
    if (extra == 0) {
        out = lead;
        ++i;
        return true;
    }
    char32_t c = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    out = c;
    i += extra + 1;
    return true;
}

}  // namespace

char32_t next(std::string_view text, std::size_t& i) {
    char32_t c = 0;
    if (decodeOne(text, i, c)) return c;
    ++i;
    return kReplacement;
}

std::u32string decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out.push_back(next(text, i));
    return out;
}

void append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string encode(std::u32string_view chars) {
    std::string out;
    out.reserve(chars.size());
    for (char32_t c : chars) append(out, c);
    return out;
}

std::size_t length(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string left(std::string_view text, std::size_t n) {
    return mid(text, 0, n);
}

std::string right(std::string_view text, std::size_t n) {
    const std::size_t len = length(text);
    return len <= n ? std::string(text) : mid(text, len - n);
}

std::string mid(std::string_view text, std::size_t start, std::size_t n) {
    const std::u32string chars = decode(text);
    if (start >= chars.size()) return {};
    return encode(std::u32string_view(chars).substr(start, n));
}

namespace {

char32_t foldLower(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    return c;
}

char32_t foldUpper(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    return c;
}

template <typename Fold>
std::string mapChars(std::string_view text, Fold fold) {
    std::u32string chars = decode(text);
    for (char32_t& c : chars) c = fold(c);
    return encode(chars);
}

}  // namespace

std::string lower(std::string_view text) {
    return mapChars(text, foldLower);
}
std::string upper(std::string_view text) {
    return mapChars(text, foldUpper);
}

}  // namespace memvalo::utf8
