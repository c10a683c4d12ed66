#include "exchange/html_to_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "core/text_encoding.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

constexpr std::string_view kSoundStart = "[sound:";

// The characters that make a piece of text more than a copy: entities, sounds, line breaks.
constexpr std::array<bool, 256> kNeedsCare = [] {
    std::array<bool, 256> care{};
    for (const char c : std::string_view("&[\n\r\t")) care[static_cast<unsigned char>(c)] = true;
    return care;
}();

constexpr std::array<std::pair<std::string_view, std::string_view>, 19> kEntities = {{
    {"nbsp", " "},   {"amp", "&"},   {"lt", "<"},    {"gt", ">"},     {"quot", "\""},
    {"apos", "'"},   {"auml", "ä"},  {"ouml", "ö"},  {"uuml", "ü"},   {"Auml", "Ä"},
    {"Ouml", "Ö"},   {"Uuml", "Ü"},  {"szlig", "ß"}, {"eacute", "é"}, {"egrave", "è"},
    {"hellip", "…"}, {"ndash", "–"}, {"mdash", "—"}, {"euro", "€"},
}};

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The entity at text[at] == '&', appended to out; gives the length it took, 0 when it is none.
std::size_t decodeEntity(std::string_view text, std::size_t at, std::string& out) {
    const std::size_t semicolon = text.find(';', at);
    if (semicolon == std::string_view::npos || semicolon - at > 12) return 0;
    const std::string_view name = text.substr(at + 1, semicolon - at - 1);
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        std::uint32_t code = 0;
        const auto [end, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (ec != std::errc() || end != digits.data() + digits.size() || code == 0 ||
            code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return 0;
        }
        utf8::append(out, static_cast<char32_t>(code));
        return semicolon - at + 1;
    }
    for (const auto& [entity, text8] : kEntities) {
        if (name == entity) {
            out += text8;
            return semicolon - at + 1;
        }
    }
    return 0;
}

void appendDecoded(std::string& out, std::string_view text) {
    std::size_t i = 0;
    for (std::size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', i)) {
        out.append(text.substr(i, at - i));
        const std::size_t took = decodeEntity(text, at, out);
        if (took == 0) out += '&';
        i = at + std::max<std::size_t>(took, 1);
    }
    out.append(text.substr(i));
}

std::string decodeEntities(std::string_view text) {
    std::string out;
    appendDecoded(out, text);
    return out;
}

bool isAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The tag's name as written.
std::string_view tagName(std::string_view tag) {
    const std::size_t start = tag.starts_with('/') ? 1 : 0;
    std::size_t end = start;
    while (end < tag.size() && isAsciiAlnum(tag[end])) ++end;
    return tag.substr(start, end - start);
}

bool isTag(std::string_view name, std::string_view lower) {
    return name.size() == lower.size() &&
           std::equal(name.begin(), name.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

void lineBreak(std::string& out, bool always) {
    if (always || (!out.empty() && out.back() != '\n')) out += '\n';
}

// The value of attribute `name` inside a tag's text, entities decoded.
std::string attribute(std::string_view tag, std::string_view name) {
    const std::string lower = lowerAscii(tag);
    for (std::size_t at = lower.find(name); at != std::string::npos;
         at = lower.find(name, at + 1)) {
        const bool wordStart = at > 0 && std::isspace(static_cast<unsigned char>(lower[at - 1]));
        std::size_t i = at + name.size();
        while (i < tag.size() && tag[i] == ' ') ++i;
        if (!wordStart || i >= tag.size() || tag[i] != '=') continue;
        ++i;
        while (i < tag.size() && tag[i] == ' ') ++i;
        if (i >= tag.size()) return {};
        const char quote = tag[i];
        const bool quoted = quote == '"' || quote == '\'';
        const std::size_t start = quoted ? i + 1 : i;
        const std::size_t end = quoted ? tag.find(quote, start) : tag.find_first_of(" />", start);
        return decodeEntities(tag.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start));
    }
    return {};
}

// Calls each(tagText) for every tag and text(piece) for the text between them.
template <typename Tag, typename Text>
void walk(std::string_view html, Tag&& each, Text&& text) {
    std::size_t i = 0;
    while (i < html.size()) {
        const std::size_t open = html.find('<', i);
        const std::size_t close = open == std::string_view::npos ? open : html.find('>', open);
        if (close == std::string_view::npos) {
            text(html.substr(i));
            return;
        }
        text(html.substr(i, open - i));
        each(html.substr(open + 1, close - open - 1));
        i = close + 1;
    }
}

std::string withoutSounds(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    for (std::size_t at = text.find(kSoundStart); at != std::string_view::npos;
         at = text.find(kSoundStart, i)) {
        const std::size_t end = text.find(']', at);
        if (end == std::string_view::npos) break;
        out += text.substr(i, at - i);
        i = end + 1;
    }
    out += text.substr(i);
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}

void trimOuterBlankLines(std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1])) --end;
    text.erase(end);
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    text.erase(0, start);
}

// Whether the HTML may name media at all: a picture needs a tag named "img", a sound the
// sound mark. Most fields have neither and need no walk.
bool mayNameMedia(std::string_view html) {
    if (html.find(kSoundStart) != std::string_view::npos) return true;
    for (std::size_t at = html.find('<'); at != std::string_view::npos;
         at = html.find('<', at + 1)) {
        std::string_view name = html.substr(at + 1);
        if (name.starts_with('/')) name.remove_prefix(1);
        if (name.size() >= 3 && isTag(name.substr(0, 3), "img")) return true;
    }
    return false;
}

}  // namespace

std::string htmlToText(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    walk(
        html,
        [&](std::string_view tag) {
            const std::string_view name = tagName(tag);
            if (isTag(name, "br")) lineBreak(out, true);
            if (isTag(name, "div") || isTag(name, "p")) lineBreak(out, false);
        },
        [&](std::string_view text) {
            // Most pieces hold nothing to decode or replace and go over as they are.
            if (std::none_of(text.begin(), text.end(),
                             [](char c) { return kNeedsCare[static_cast<unsigned char>(c)]; })) {
                out.append(text);
                return;
            }
            const std::size_t from = out.size();
            if (text.find(kSoundStart) == std::string_view::npos) {
                appendDecoded(out, text);
            } else {
                appendDecoded(out, withoutSounds(text));
            }
            // A line break in the source is layout; only tags break lines.
            std::replace_if(
                out.begin() + static_cast<std::ptrdiff_t>(from), out.end(),
                [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
        });
    trimOuterBlankLines(out);
    return out;
}

void collectMedia(std::string_view html, NamedMedia& media) {
    if (!mayNameMedia(html)) return;
    walk(
        html,
        [&](std::string_view tag) {
            if (!isTag(tagName(tag), "img")) return;
            std::string src = attribute(tag, "src");
            if (!trimBlanks(src).empty()) media.pictures.push_back(std::move(src));
        },
        [&](std::string_view text) {
            for (std::size_t at = text.find(kSoundStart); at != std::string_view::npos;
                 at = text.find(kSoundStart, at + 1)) {
                const std::size_t end = text.find(']', at);
                if (end == std::string_view::npos) return;
                const std::string name(
                    text.substr(at + kSoundStart.size(), end - at - kSoundStart.size()));
                if (!trimBlanks(name).empty()) media.sounds.push_back(decodeEntities(name));
            }
        });
}

}  // namespace memvalo
