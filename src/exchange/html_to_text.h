#pragma once
// The plain text of an HTML snippet as flash-card programs store their fields, and the media
// it names.
#include <string>
#include <string_view>
#include <vector>

namespace memvalo {

// <br>, <div> and <p> become line breaks, entities are decoded ("&nbsp;" a blank), every other
// tag is dropped, and "[sound:x]" is taken out. Outer blank lines go.
std::string htmlToText(std::string_view html);

struct NamedMedia {
    std::vector<std::string> pictures;  // <img src="x">
    std::vector<std::string> sounds;    // [sound:x]
};
void collectMedia(std::string_view html, NamedMedia& media);

}  // namespace memvalo
