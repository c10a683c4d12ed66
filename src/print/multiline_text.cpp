#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/utf8.h"
#include "print/print_job.h"

namespace memvalo {

namespace {

constexpr std::u32string_view kBreakCharacters = U" .,;:-_!?(/+";

bool isBreak(char32_t c) {
    return kBreakCharacters.find(c) != std::u32string_view::npos;
}

bool onlyBlanks(std::u32string_view text) {
    return text.find_first_not_of(U' ') == std::u32string_view::npos;
}

// Paragraphs end at CR LF; a lone CR or LF ends one too, so no control character reaches the
// printer.
std::vector<std::u32string> paragraphs(std::string_view text) {
    std::vector<std::u32string> result(1);
    const std::u32string chars = utf8::decode(text);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n') ++i;
            result.emplace_back();
        } else {
            result.back() += c;
        }
    }
    return result;
}

}  // namespace

struct PrintJob::Area {
    double x = 0;
    double width = 0;
    int height = 0;
    bool newPageAllowed = false;
    Align align = Align::Left;
    long remaining = 0;
};

long PrintJob::remainingHeight(int height) const {
    if (height > 0) return height;
    return std::lround(printer_.printableHeight() - currentY - std::abs(height));
}

bool PrintJob::fits(Area& area) {
    const long h = std::lround(printer_.lineHeight());
    if (h > area.remaining) {
        if (area.height > 0 || !area.newPageAllowed) return false;
        newPage();
        area.remaining = remainingHeight(area.height);
    }
    area.remaining -= h;
    return true;
}

void PrintJob::place(const Area& area, const std::string& line) {
    double x = area.x;
    if (area.align != Align::Left) {
        const double free = area.width - printer_.textWidth(line);
        x += area.align == Align::Right ? free : free / 2;
    }
    if (!line.empty()) printer_.printText(x, currentY, line);
    currentY += printer_.lineHeight();
    currentX = 0;
}

void PrintJob::PrintMultilineText(std::string_view text, int x, int y, int width, int height,
                                  bool newPageAllowed, Align align) {
    Area area;
    area.x = x == 0 ? currentX : x;
    if (y != 0) currentY = y;
    area.width = width > 0 ? width : printer_.printableWidth() - area.x - std::abs(width);
    area.height = height;
    area.newPageAllowed = newPageAllowed;
    area.align = align;
    area.remaining = remainingHeight(height);

    const auto widthOf = [this](std::u32string_view chars) {
        return printer_.textWidth(utf8::encode(chars));
    };
    for (const std::u32string& paragraph : paragraphs(text)) {
        if (widthOf(paragraph) <= area.width) {
            if (!fits(area)) return;
            place(area, utf8::encode(paragraph));
            continue;
        }
        std::u32string_view rest = paragraph;
        while (!onlyBlanks(rest)) {
            // The longest start of the rest that fits the width; one character at least, so a
            // column narrower than a letter cannot hold the printing up for ever.
            std::size_t low = 1;
            std::size_t high = rest.size();
            while (low < high) {
                const std::size_t mid = (low + high + 1) / 2;
                if (widthOf(rest.substr(0, mid)) <= area.width) {
                    low = mid;
                } else {
                    high = mid - 1;
                }
            }
            std::size_t cut = low;
            const std::u32string_view forced = rest.substr(0, cut);
            if (cut < rest.size() && forced.find_first_of(kBreakCharacters) != forced.npos) {
                while (!isBreak(rest[cut]) && !isBreak(rest[cut - 1])) --cut;
            }
            if (!fits(area)) return;
            place(area, utf8::encode(rest.substr(0, cut)));
            rest.remove_prefix(cut);
        }
    }
}

}  // namespace memvalo
