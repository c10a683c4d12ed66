#include "core/text_encoding.h"

#include "core/utf8.h"

namespace memvalo {

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

bool isSeparator(char32_t c) {
    return c == U'/' || c == U'\\';
}

// Length of the head kept in front of "...": a network path keeps "\\server\", a POSIX path
// its leading "/", anything else its drive ("C:\").
std::size_t headLength(const std::u32string& s) {
    if (s.size() >= 2 && s[0] == U'\\' && s[1] == U'\\') {
        const auto at = s.find(U'\\', 2);
        return at == std::u32string::npos ? 0 : at + 1;
    }
    if (!s.empty() && s[0] == U'/') return 1;
    return 3;
}

}  // namespace

void anfuehrung_weg(std::string& text) {
    replaceAll(text, "\"", kErsatzzeichen);
}

void anfuehrung_rein(std::string& text) {
    replaceAll(text, kErsatzzeichen, "\"");
}

void enter_rein(std::string& text) {
    for (char& c : text) {
        if (c == '~') c = '\r';
        if (c == '^') c = '\n';
    }
    text = trimTrailingBlanks(text);
}

std::string longfix(std::string_view path, int maxLength) {
    const std::u32string s = utf8::decode(path);
    const auto n = static_cast<std::size_t>(maxLength < 0 ? 0 : maxLength);
    if (s.size() <= n) return std::string(path);

    const std::u32string head = s.substr(0, std::min(headLength(s), s.size()));
    const std::size_t m = n > 6 ? n - 6 : 0;
    const std::size_t from = s.size() - m - 1;  // s is longer than n, so never negative
    std::size_t q = std::u32string::npos;
    for (std::size_t i = from; i < s.size(); ++i) {
        if (isSeparator(s[i])) {
            q = i;
            break;
        }
    }
    const std::u32string tail = q != std::u32string::npos ? s.substr(q) : s.substr(s.size() - m);
    return utf8::encode(head) + "..." + utf8::encode(tail);
}

std::string trimLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string trimTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string withoutLineBreaks(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

std::string trimBlanks(std::string_view text) {
    return trimTrailingBlanks(trimLeadingBlanks(text));
}

}  // namespace memvalo
