#pragma once
// A small XML document tree for the vocabulary files of other programs. Entity declarations
// are refused: with them a few bytes can expand beyond any limit.
#include <string>
#include <string_view>
#include <vector>

namespace memvalo {

struct XmlElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;  // the character data directly inside, joined
    std::vector<XmlElement> children;

    // The first child of that name; nullptr when there is none.
    const XmlElement* child(std::string_view childName) const;
    // The text of the first child of that name; empty when there is none.
    std::string childText(std::string_view childName) const;
    std::string attribute(std::string_view attributeName) const;
};

// The root element. Throws ImportRefusal when the text is not well formed, declares entities
// or nests deeper than any vocabulary file does.
XmlElement parseXml(std::string_view text);

}  // namespace memvalo
