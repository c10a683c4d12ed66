#pragma once
// Character-wise work on UTF-8 text: the program counts characters, never bytes.
#include <string>
#include <string_view>

namespace memvalo::utf8 {

// Invalid bytes decode as U+FFFD so no input can make the decoder stop.
std::u32string decode(std::string_view text);
// The character at byte i, moving i past it; an invalid byte gives U+FFFD and moves one on.
char32_t next(std::string_view text, std::size_t& i);
std::string encode(std::u32string_view chars);
void append(std::string& out, char32_t c);

std::size_t length(std::string_view text);
// The first n characters (all of them when the text is shorter).
std::string left(std::string_view text, std::size_t n);
// The last n characters.
std::string right(std::string_view text, std::size_t n);
// n characters from the 0-based character index start (to the end when n is npos).
std::string mid(std::string_view text, std::size_t start, std::size_t n = std::u32string::npos);

// ASCII case folding is enough for comparisons of extensions; lower() also folds
// the Latin-1 capitals (Ä, Ö, Ü ...) so German file names compare without regard to case.
std::string lower(std::string_view text);
std::string upper(std::string_view text);

}  // namespace memvalo::utf8
