#pragma once
// Numbers in the settings file: decimal comma, a blank before a number that is not negative
// and a blank after every number (1500 is written " 1500 ").
#include <optional>
#include <string>
#include <string_view>

namespace memvalo {

// As few digits as read back the same value. A value that is not a finite number (never read
// from a file, but possible after a bad calculation) is written as 0, never as "inf" or "nan".
std::string numberText(double value);

// The number a line holds, blanks around it ignored; a decimal point is taken as well as a
// comma. nullopt when the line is not a number, or one beyond what a 32-bit setting holds:
// such a number is as bad as text and must not come back as hundreds of digits.
std::optional<double> parseNumber(std::string_view line);

// Rounds half to even, as the classic integer conversion does. nullopt when the result does
// not fit into the given range.
std::optional<int> roundedInRange(double value, int low, int high);

}  // namespace memvalo
