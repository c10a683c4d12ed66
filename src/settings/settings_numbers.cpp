#include "settings/settings_numbers.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/text_encoding.h"

namespace memvalo {

std::string numberText(double value) {
    char buffer[64];
    if (value == std::trunc(value)) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.6f", value);
    }
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
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
    return std::strtod(text.c_str(), nullptr);
}

std::optional<int> roundedInRange(double value, int low, int high) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= low && rounded <= high)) return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace memvalo
