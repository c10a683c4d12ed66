#pragma once
// The stored form of card texts: a double quote can never stand in a learning file, so it is
// kept as the replacement character "¨"; old files mark line breaks with "~" and "^".
#include <string>
#include <string_view>

namespace memvalo {

// U+00A8, the byte A8 in Windows-1252.
inline constexpr std::string_view kErsatzzeichen = "\xC2\xA8";

void anfuehrung_weg(std::string& text);
void anfuehrung_rein(std::string& text);
// "~" becomes CR, "^" becomes LF; trailing blanks are removed.
void enter_rein(std::string& text);
// Shortens a path to about maxLength characters, keeping its head and a folder-aligned tail.
std::string longfix(std::string_view path, int maxLength);

std::string trimBlanks(std::string_view text);
// A value of a line-by-line file: a line break in it would shift every later line.
std::string withoutLineBreaks(std::string_view text);
std::string trimLeadingBlanks(std::string_view text);
std::string trimTrailingBlanks(std::string_view text);

}  // namespace memvalo
