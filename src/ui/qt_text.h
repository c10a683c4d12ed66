#pragma once
// Crossing between the program's texts and Qt's: UTF-8 std::string and QString, carriage
// returns turned into line breaks only for drawing, and colours in the 0x00BBGGRR encoding.
#include <QColor>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace memvalo {

inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

// CR LF, and CR or LF alone, become one line break.
QString displayText(std::string_view text);

// A text typed into a multi-line field, with the line ends the program stores (CR LF).
std::string storedText(const QString& text);

inline QColor toQColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline std::uint32_t fromQColor(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

// "Lernkartei (*.ldt)|*.ldt|Alle Dateien|*.*" as Qt writes file filters.
QString qtFileFilter(std::string_view filter);

}  // namespace memvalo
