#pragma once
// Anki's packages (.apkg, .colpkg): a zip archive holding the collection, a map of the media
// files and the media themselves, in the older layout (plain SQLite, JSON media map) and the
// current one (zstd-compressed collection, media map and media; protobuf media map).
#include <cstdint>
#include <map>
#include <string>

#include "exchange/deck.h"

namespace memvalo {

// Throws ImportRefusal.
Deck readAnkiPackage(std::string bytes, std::uint64_t limit);

// The media map: the file name each numbered zip entry stands for.
std::map<std::string, std::string> jsonMediaMap(const std::string& json);
std::map<std::string, std::string> protobufMediaMap(const std::string& message);

}  // namespace memvalo
