#pragma once
// Windows-1252 is the byte format of every file the program reads or writes; inside the
// program all text is UTF-8. These functions are the only crossing between the two.
//
// A character Windows-1252 cannot hold is stored as the reference "&#N;" (N its decimal
// number). So that a text typed to look like such a reference comes back as typed, a typed "&"
// that would start one is stored as "&#38;". The reader takes "&#38;" for "&" only there, in
// front of what would otherwise read as a reference; everywhere else "&#38;", like any other
// "&#...;" text, stays literal, so older files keep their meaning.
#include <string>
#include <string_view>

namespace memvalo {

// Literal: the older line format knew no references; every byte stands for itself.
enum class References { Decode, Literal };

// Bytes in Windows-1252 to UTF-8, appended to out.
void appendUtf8(std::string& out, std::string_view bytes, References references);
std::string cp1252ToUtf8(std::string_view bytes, References references = References::Decode);

// UTF-8 to Windows-1252 bytes, appended to out; invalid UTF-8 is stored as U+FFFD.
void appendCp1252(std::string& out, std::string_view utf8);
std::string utf8ToCp1252(std::string_view utf8);
// Whether every "&" of the stored bytes starts a reference in the very form the writer gives
// it ("&#8364;", no leading zero): such bytes read back and are written again as themselves.
bool onlyWrittenReferences(std::string_view bytes);

}  // namespace memvalo
