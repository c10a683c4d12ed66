#include "exchange/xml_tree.h"

#include <expat.h>

#include <memory>

#include "exchange/import_refusal.h"

namespace memvalo {

namespace {

constexpr std::size_t kMaxDepth = 64;

struct Builder {
    XML_Parser parser = nullptr;
    XmlElement root;
    std::vector<XmlElement*> open;
    std::string refusal;

    void stop(std::string reason) {
        if (refusal.empty()) refusal = std::move(reason);
        XML_StopParser(parser, XML_FALSE);
    }
};

void XMLCALL startElement(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto* b = static_cast<Builder*>(data);
    if (b->open.size() >= kMaxDepth) {
        b->stop("das XML ist tiefer verschachtelt als erlaubt");
        return;
    }
    XmlElement* element = &b->root;
    if (!b->open.empty()) {
        b->open.back()->children.emplace_back();
        element = &b->open.back()->children.back();
    }
    element->name = name;
    for (const XML_Char** a = attributes; *a != nullptr; a += 2) {
        element->attributes.emplace_back(a[0], a[1]);
    }
    b->open.push_back(element);
}

void XMLCALL endElement(void* data, const XML_Char*) {
    static_cast<Builder*>(data)->open.pop_back();
}

void XMLCALL characters(void* data, const XML_Char* text, int length) {
    auto* b = static_cast<Builder*>(data);
    if (!b->open.empty()) b->open.back()->text.append(text, static_cast<std::size_t>(length));
}

void XMLCALL entityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int,
                               const XML_Char*, const XML_Char*, const XML_Char*, const XML_Char*) {
    static_cast<Builder*>(data)->stop("das XML deklariert Entitäten");
}

struct ParserDeleter {
    void operator()(XML_Parser p) const { XML_ParserFree(p); }
};

}  // namespace

const XmlElement* XmlElement::child(std::string_view childName) const {
    for (const XmlElement& c : children) {
        if (c.name == childName) return &c;
    }
    return nullptr;
}

std::string XmlElement::childText(std::string_view childName) const {
    const XmlElement* c = child(childName);
    return c == nullptr ? std::string() : c->text;
}

std::string XmlElement::attribute(std::string_view attributeName) const {
    for (const auto& [key, value] : attributes) {
        if (key == attributeName) return value;
    }
    return {};
}

XmlElement parseXml(std::string_view text) {
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, ParserDeleter> parser(
        XML_ParserCreate("UTF-8"));
    if (!parser) throw ImportRefusal("es fehlt Arbeitsspeicher");
    Builder b;
    b.parser = parser.get();
    XML_SetUserData(parser.get(), &b);
    XML_SetElementHandler(parser.get(), startElement, endElement);
    XML_SetCharacterDataHandler(parser.get(), characters);
    XML_SetEntityDeclHandler(parser.get(), entityDeclaration);
    // No external document is ever fetched.
    XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
    bool parsed = true;
    // Expat takes int lengths: the text goes in pieces.
    constexpr std::size_t kPiece = std::size_t{1} << 24;
    for (std::size_t at = 0; parsed && (at < text.size() || at == 0); at += kPiece) {
        const std::string_view piece = text.substr(at, kPiece);
        const bool last = at + kPiece >= text.size();
        parsed = XML_Parse(parser.get(), piece.data(), static_cast<int>(piece.size()),
                           last ? XML_TRUE : XML_FALSE) == XML_STATUS_OK;
        if (last) break;
    }
    if (!b.refusal.empty()) throw ImportRefusal(b.refusal);
    if (!parsed) {
        throw ImportRefusal("das XML ist nicht wohlgeformt (Zeile " +
                            std::to_string(XML_GetCurrentLineNumber(parser.get())) + ")");
    }
    return std::move(b.root);
}

}  // namespace memvalo
