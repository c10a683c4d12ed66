#include "core/search_folding.h"

#include <array>

#include "core/utf8.h"

namespace memvalo {

namespace {

char32_t lowerOf(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c == U'\r' || c == U'\n' || c == U'\t') return U' ';
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // Latin-1 capitals, not the × sign
    if (c == 0x178) return 0xFF;                     // Ÿ
    // Latin Extended-A pairs each capital with the small letter after it; the pairs start on
    // an even code point except between ĸ and ŉ and from Ź on, where they start on an odd one.
    if (c >= 0x100 && c <= 0x17E) {
        const bool oddPairs = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        const bool capital = oddPairs ? (c % 2 == 1) : (c % 2 == 0);
        return capital && c != 0x138 && c != 0x149 ? c + 1 : c;
    }
    if ((c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ .. Џ
    return c;
}

// The base letters of the small Latin-1 letters à .. ÿ; '*' marks those spelt with two.
constexpr std::string_view kLatin1Bases = "aaaaaa*ceeeeiiiidnooooo/ouuuuy*y";
// Of Latin Extended-A, from U+0100, one base letter per code point ('*': two letters).
constexpr std::string_view kExtendedABases =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkkllllllllllnnnnnnnnnoooooo**"
    "rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

void appendBase(std::string& out, char32_t c) {
    if (c >= 0xE0 && c <= 0xFF && c != 0xF7) {
        const char base = kLatin1Bases[c - 0xE0];
        if (base != '*') {
            out += base;
        } else {
            out += c == 0xE6 ? "ae" : "th";
        }
        return;
    }
    if (c >= 0x100 && c < 0x100 + kExtendedABases.size()) {
        const char base = kExtendedABases[c - 0x100];
        if (base != '*') {
            out += base;
        } else {
            out += c < 0x134 ? "ij" : "oe";
        }
        return;
    }
    switch (c) {
        case 0xDF:
            out += "ss";
            return;  // ß
        case 0x1E9E:
            out += "ss";
            return;
        case 0xA8:
            out += '"';
            return;  // the stored form of a quotation mark
        default:
            break;
    }
    if (c >= 0x300 && c <= 0x36F) return;  // combining accents of decomposed letters
    utf8::append(out, c);
}

}  // namespace

std::string foldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) utf8::append(out, lowerOf(utf8::next(text, i)));
    return out;
}

std::string foldForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            // ASCII, the bulk of most texts, without the decoder.
            ++i;
            out += static_cast<char>(lowerOf(byte));
            continue;
        }
        appendBase(out, lowerOf(utf8::next(text, i)));
    }
    return out;
}

}  // namespace memvalo
