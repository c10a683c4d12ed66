#include "core/codec.h"

#include <array>
#include <cstdint>
#include <cstring>
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

constexpr std::string_view kEscapedAmpersand = "&#38;";

constexpr char32_t byteToChar(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return b;
}

// The UTF-8 form of every byte, worked out once: a text is decoded by copying these.
struct Utf8OfByte {
    std::array<char, 3> bytes{};
    unsigned char length = 0;
};

constexpr std::array<Utf8OfByte, 256> utf8Table() {
    std::array<Utf8OfByte, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        const char32_t c = byteToChar(static_cast<unsigned char>(b));
        Utf8OfByte& u = table[b];
        if (c < 0x80) {
            u.bytes = {static_cast<char>(c), 0, 0};
            u.length = 1;
        } else if (c < 0x800) {
            u.bytes = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0};
            u.length = 2;
        } else {
            u.bytes = {static_cast<char>(0xE0 | (c >> 12)),
                       static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (c & 0x3F))};
            u.length = 3;
        }
    }
    return table;
}

constexpr std::array<Utf8OfByte, 256> kUtf8OfByte = utf8Table();

// The length of the run from `from` on of ASCII bytes other than `stop`: bytes that stand for
// themselves in both encodings and are copied as they are. A stop of 0x80 stops at none.
std::size_t plainRun(std::string_view text, std::size_t from, unsigned char stop) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::size_t i = from;
    // Eight bytes at a time while none is high or the stop (a zero byte of w ^ stops).
    for (std::uint64_t w = 0; i + 8 <= text.size(); i += 8) {
        std::memcpy(&w, text.data() + i, 8);
        const std::uint64_t x = w ^ (kOnes * stop);
        if (((w | ((x - kOnes) & ~x)) & kHighBits) != 0) break;
    }
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x80 || b == stop) break;
        ++i;
    }
    return i - from;
}

std::optional<unsigned char> charToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// "#N;" at position at of text naming a character that only a reference can store; moves at
// past the ";". Every byte of such a reference is ASCII, so the text may be either encoding.
std::optional<char32_t> referencedChar(std::string_view text, std::size_t& at) {
    std::size_t j = at;
    if (j >= text.size() || text[j] != '#') return std::nullopt;
    char32_t value = 0;
    for (++j; j < text.size() && text[j] >= '0' && text[j] <= '9'; ++j) {
        value = value * 10 + static_cast<char32_t>(text[j] - '0');
        if (value > 0x10FFFF) return std::nullopt;
    }
    if (j == at + 1 || j >= text.size() || text[j] != ';') return std::nullopt;
    if ((value >= 0xD800 && value <= 0xDFFF) || charToByte(value)) return std::nullopt;
    at = j + 1;
    return value;
}

// Whether an "&" in front of position at would start something the reader decodes: a
// reference, or an escaped "&" in front of one ("&#38;" repeated, then "#N;").
bool ampersandWouldDecode(std::string_view text, std::size_t at) {
    while (text.substr(at).starts_with(kEscapedAmpersand.substr(1))) at += 4;
    return referencedChar(text, at).has_value();
}

}  // namespace

void appendUtf8(std::string& out, std::string_view bytes, References references) {
    const unsigned char stop = references == References::Decode ? '&' : 0x80;
    // Room for a text of plain ASCII, the most common; any other grows it as it goes.
    if (out.empty()) out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t run = plainRun(bytes, i, stop);
        out.append(bytes.data() + i, run);
        i += run;
        if (i == bytes.size()) break;
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '&') {
            std::size_t end = i + 1;
            if (const auto c = referencedChar(bytes, end)) {
                utf8::append(out, *c);
                i = end;
                continue;
            }
            if (bytes.substr(i).starts_with(kEscapedAmpersand) &&
                ampersandWouldDecode(bytes, i + kEscapedAmpersand.size())) {
                i += kEscapedAmpersand.size() - 1;
            }
            out.push_back('&');
        } else {
            const Utf8OfByte& u = kUtf8OfByte[b];
            out.append(u.bytes.data(), u.length);
        }
        ++i;
    }
}

std::string cp1252ToUtf8(std::string_view bytes, References references) {
    std::string decoded;
    appendUtf8(decoded, bytes, references);
    return decoded;
}

void appendCp1252(std::string& out, std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t run = plainRun(utf8, i, '&');
        out.append(utf8.data() + i, run);
        i += run;
        if (i == utf8.size()) break;
        if (utf8[i] == '&') {
            ++i;
            if (ampersandWouldDecode(utf8, i)) {
                out += kEscapedAmpersand;
            } else {
                out.push_back('&');
            }
            continue;
        }
        const char32_t c = utf8::next(utf8, i);
        if (const auto b = charToByte(c)) {
            out.push_back(static_cast<char>(*b));
        } else {
            out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        }
    }
}

bool onlyWrittenReferences(std::string_view bytes) {
    for (std::size_t at = bytes.find('&'); at != std::string_view::npos; at = bytes.find('&', at)) {
        ++at;
        if (at + 1 < bytes.size() && bytes[at + 1] == '0') return false;
        if (!referencedChar(bytes, at)) return false;
    }
    return true;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendCp1252(out, utf8);
    return out;
}

}  // namespace memvalo
