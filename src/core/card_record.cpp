#include "core/card_record.h"

#include "core/utf8.h"

namespace memvalo {

void FixedText::assign(std::string_view value) {
    text_ = utf8::left(value, kWidth);
    text_.append(kWidth - utf8::length(text_), ' ');
}

}  // namespace memvalo
