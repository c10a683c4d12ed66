#include "core/card_record.h"

#include <algorithm>

#include "core/text_encoding.h"
#include "core/utf8.h"

namespace memvalo {

void FixedText::assign(std::string_view value) {
    const bool ascii = std::all_of(value.begin(), value.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        // One byte per character: the field is a plain cut, no decoding needed.
        text_.assign(value.substr(0, kWidth));
        text_.append(kWidth - text_.size(), ' ');
        return;
    }
    text_ = utf8::left(value, kWidth);
    text_.append(kWidth - utf8::length(text_), ' ');
}

std::string savedFalsch(const FixedText& falsch) {
    std::string count = trimBlanks(falsch.text());
    return count.empty() ? "0" : count;
}

}  // namespace memvalo
