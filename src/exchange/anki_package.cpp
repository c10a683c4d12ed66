#include "exchange/anki_package.h"

#include <sqlite3.h>

#include <memory>

#include "exchange/anki_collection.h"
#include "exchange/import_refusal.h"
#include "exchange/protobuf_fields.h"
#include "exchange/zip_archive.h"
#include "exchange/zstd_frame.h"

namespace memvalo {

namespace {

// PackageMetadata.version: 3 is the layout with zstd everywhere.
constexpr std::uint64_t kLatestVersion = 3;

class PackageMedia : public MediaSource {
  public:
    PackageMedia(std::shared_ptr<const ZipArchive> zip, std::map<std::string, std::string> entries,
                 bool compressed, std::uint64_t limit)
        : zip_(std::move(zip)),
          entries_(std::move(entries)),
          compressed_(compressed),
          limit_(limit) {}

    std::optional<std::string> read(const std::string& name) const override {
        const auto entry = entries_.find(name);
        if (entry == entries_.end()) return std::nullopt;
        try {
            auto bytes = zip_->read(entry->second);
            if (bytes && compressed_ && isZstdFrame(*bytes)) return zstdDecompress(*bytes, limit_);
            return bytes;
        } catch (const ImportRefusal&) {
            return std::nullopt;
        }
    }

  private:
    std::shared_ptr<const ZipArchive> zip_;
    std::map<std::string, std::string> entries_;  // file name -> zip entry
    bool compressed_;
    std::uint64_t limit_;
};

std::uint64_t packageVersion(const ZipArchive& zip) {
    const auto meta = zip.read("meta");
    if (!meta) return 1;
    std::uint64_t version = 1;
    ProtoReader reader(*meta);
    while (const auto field = reader.next()) {
        if (field->number == 1 && !field->delimited) version = field->varint;
    }
    return version;
}

std::string collectionOf(const ZipArchive& zip, std::uint64_t limit) {
    if (auto packed = zip.read("collection.anki21b")) return zstdDecompress(*packed, limit);
    for (const char* name : {"collection.anki21", "collection.anki2"}) {
        if (auto plain = zip.read(name)) return std::move(*plain);
    }
    throw ImportRefusal("sie enthält keine Anki-Sammlung");
}

// Media names become file names in the media folder.
void checkNames(const std::map<std::string, std::string>& map) {
    for (const auto& [name, entry] : map) {
        if (leavesFolder(name) || name.find_first_of("/\\") != std::string::npos) {
            throw ImportRefusal("die Mediendatei »" + name + "« führt aus dem Medienordner heraus");
        }
    }
}

}  // namespace

std::map<std::string, std::string> jsonMediaMap(const std::string& json) {
    std::map<std::string, std::string> map;
    sqlite3* db = nullptr;
    sqlite3_stmt* query = nullptr;
    bool ok = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              sqlite3_prepare_v2(db, "SELECT key, value FROM json_each(?) WHERE type = 'text'", -1,
                                 &query, nullptr) == SQLITE_OK &&
              sqlite3_bind_text(query, 1, json.data(), static_cast<int>(json.size()),
                                SQLITE_STATIC) == SQLITE_OK;
    int step = SQLITE_DONE;
    while (ok && (step = sqlite3_step(query)) == SQLITE_ROW) {
        const auto* entry = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(query, 1));
        if (entry != nullptr && name != nullptr) map[name] = entry;
    }
    ok = ok && step == SQLITE_DONE;
    sqlite3_finalize(query);
    sqlite3_close(db);
    if (!ok) throw ImportRefusal("das Medienverzeichnis des Pakets ist beschädigt");
    return map;
}

// MediaEntries { repeated MediaEntry entries = 1; }
// MediaEntry { string name = 1; uint32 size = 2; bytes sha1 = 3; uint32 legacy_zip_filename = 255;
// } An entry is stored under its index unless it names its zip entry itself.
std::map<std::string, std::string> protobufMediaMap(const std::string& message) {
    std::map<std::string, std::string> map;
    ProtoReader entries(message);
    std::size_t index = 0;
    while (const auto entry = entries.next()) {
        if (entry->number != 1 || !entry->delimited) continue;
        std::string name;
        std::string zipName = std::to_string(index++);
        ProtoReader fields(entry->bytes);
        while (const auto field = fields.next()) {
            if (field->number == 1 && field->delimited) name = field->bytes;
            if (field->number == 255 && !field->delimited) zipName = std::to_string(field->varint);
        }
        if (!name.empty()) map[name] = zipName;
    }
    return map;
}

Deck readAnkiPackage(std::string bytes, std::uint64_t limit) {
    auto zip = std::make_shared<const ZipArchive>(std::move(bytes), limit);
    const std::uint64_t version = packageVersion(*zip);
    Deck deck;
    deck.format = "Anki-Paket";
    deck.choiceKind = DeckChoiceKind::Stapel;
    readAnkiCollection(collectionOf(*zip, limit), deck);
    std::map<std::string, std::string> media;
    bool compressed = version >= kLatestVersion;
    if (auto map = zip->read("media")) {
        compressed = compressed || isZstdFrame(*map);
        media = compressed ? protobufMediaMap(zstdDecompress(*map, limit)) : jsonMediaMap(*map);
    }
    checkNames(media);
    deck.media = std::make_shared<PackageMedia>(zip, std::move(media), compressed, limit);
    return deck;
}

}  // namespace memvalo
