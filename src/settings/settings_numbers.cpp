#include "settings/settings_numbers.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/text_encoding.h"

namespace memvalo {

namespace {

constexpr double kLargestSetting = 2147483647.0;

}  // namespace

std::string numberText(double value) {
    if (!std::isfinite(value) || value == 0) value = 0;  // no "inf", "nan" or "-0"
    // The shortest fixed form of the smallest double has some 330 characters.
    char buffer[512];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    return (value < 0 ? "" : " ") + text + " ";
}

std::optional<double> parseNumber(std::string_view line) {
    std::string text = trimBlanks(line);
    if (text.empty()) return std::nullopt;
    std::size_t i = 0;
    if (text[i] == '-' || text[i] == '+') ++i;
    bool digits = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        char& c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
            c = '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    // from_chars, unlike strtod, does not depend on the locale the window sets up.
    const std::size_t from = text[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data() + from, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!(std::fabs(value) <= kLargestSetting)) return std::nullopt;
    return value;
}

std::optional<int> roundedInRange(double value, int low, int high) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= low && rounded <= high)) return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace memvalo
