#include "core/codec.h"

#include <array>
#include <optional>

#include "core/utf8.h"

namespace memvalo {

namespace {

// 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to the C1 control of the
// same number, so every byte survives a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t byteToChar(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return b;
}

std::optional<unsigned char> charToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// Parses "&#N;" at position i of chars; gives the character when the reference stands for
// one that Windows-1252 cannot hold, and the index just past the ";".
std::optional<char32_t> parseReference(const std::u32string& chars, std::size_t i,
                                       std::size_t& end) {
    if (i + 3 >= chars.size() || chars[i] != U'&' || chars[i + 1] != U'#') return std::nullopt;
    char32_t value = 0;
    std::size_t j = i + 2;
    for (; j < chars.size() && chars[j] >= U'0' && chars[j] <= U'9'; ++j) {
        value = value * 10 + (chars[j] - U'0');
        if (value > 0x10FFFF) return std::nullopt;
    }
    if (j == i + 2 || j >= chars.size() || chars[j] != U';') return std::nullopt;
    if ((value >= 0xD800 && value <= 0xDFFF) || charToByte(value)) return std::nullopt;
    end = j + 1;
    return value;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::u32string chars;
    chars.reserve(bytes.size());
    for (char b : bytes) chars.push_back(byteToChar(static_cast<unsigned char>(b)));

    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < chars.size();) {
        std::size_t end = 0;
        if (chars[i] == U'&') {
            if (auto ref = parseReference(chars, i, end)) {
                utf8::append(out, *ref);
                i = end;
                continue;
            }
        }
        utf8::append(out, chars[i]);
        ++i;
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : utf8::decode(utf8)) {
        if (auto b = charToByte(c)) {
            out.push_back(static_cast<char>(*b));
        } else {
            out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        }
    }
    return out;
}

}  // namespace memvalo
