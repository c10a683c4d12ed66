#include "study/number_text.h"

namespace memvalo {

std::string plainNumber(int number) {
    return std::to_string(number);
}

std::string paddedNumber(int number) {
    return number < 0 ? std::to_string(number) : " " + std::to_string(number);
}

}  // namespace memvalo
