#pragma once
// Windows-1252 is the byte format of every file the program reads or writes; inside the
// program all text is UTF-8. These two functions are the only crossing between the two.
#include <string>
#include <string_view>

namespace memvalo {

// Bytes in Windows-1252 to UTF-8. "&#N;" references to characters that Windows-1252 cannot
// hold become those characters again; any other "&#...;" text stays literal.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes. Characters Windows-1252 cannot hold become "&#N;".
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace memvalo
