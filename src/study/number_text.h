#pragma once
// The two ways numbers are written on the window's labels.
#include <string>

namespace memvalo {

// Digits only, with a minus sign for a negative number: "7".
std::string plainNumber(int number);
// One leading blank before a non-negative number: " 7".
std::string paddedNumber(int number);

}  // namespace memvalo
