#include "support/deck_files.h"

#include <sqlite3.h>
#include <zip.h>
#include <zlib.h>
#include <zstd.h>

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace memvalo::test {

namespace {

void check(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

// Protobuf by hand, as the reader decodes it.
void varint(std::string& out, std::uint64_t value) {
    while (value >= 0x80) {
        out += static_cast<char>((value & 0x7F) | 0x80);
        value >>= 7;
    }
    out += static_cast<char>(value);
}
void varintField(std::string& out, std::uint32_t number, std::uint64_t value) {
    varint(out, std::uint64_t{number} << 3);
    varint(out, value);
}
void bytesField(std::string& out, std::uint32_t number, const std::string& bytes) {
    varint(out, (std::uint64_t{number} << 3) | 2);
    varint(out, bytes.size());
    out += bytes;
}

// Anki's own collation; a reader has to cope with a schema that names it.
int unicase(void*, int an, const void* a, int bn, const void* b) {
    return std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(an))
        .compare(std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(bn)));
}

class Database {
  public:
    Database() {
        check(sqlite3_open(":memory:", &db_) == SQLITE_OK, "sqlite open");
        sqlite3_create_collation(db_, "unicase", SQLITE_UTF8, nullptr, unicase);
    }
    ~Database() { sqlite3_close(db_); }
    void exec(const std::string& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message == nullptr ? sql : std::string(message) + ": " + sql;
            sqlite3_free(message);
            throw std::runtime_error(text);
        }
    }
    // Binds the texts/blobs to ?1, ?2, ... and runs the statement once.
    void run(const std::string& sql, const std::vector<std::string>& values) {
        sqlite3_stmt* s = nullptr;
        check(sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) == SQLITE_OK, sql.c_str());
        for (std::size_t i = 0; i < values.size(); ++i) {
            sqlite3_bind_blob(s, static_cast<int>(i + 1), values[i].data(),
                              static_cast<int>(values[i].size()), SQLITE_TRANSIENT);
        }
        const int step = sqlite3_step(s);
        sqlite3_finalize(s);
        check(step == SQLITE_DONE, sql.c_str());
    }
    std::string bytes() {
        sqlite3_int64 size = 0;
        unsigned char* data = sqlite3_serialize(db_, "main", &size, 0);
        std::string out(reinterpret_cast<char*>(data), static_cast<std::size_t>(size));
        sqlite3_free(data);
        return out;
    }

  private:
    sqlite3* db_ = nullptr;
};

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string joinedFields(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i > 0 ? "\x1f" : "") + fields[i];
    return out;
}

constexpr std::int64_t kModelBase = 1600000000000;
constexpr std::int64_t kDeckBase = 1;

void notesAndCards(Database& db, const AnkiContent& content) {
    std::int64_t cardId = 1700000000000;
    for (std::size_t n = 0; n < content.notes.size(); ++n) {
        const AnkiTestNote& note = content.notes[n];
        const std::string noteId = std::to_string(1650000000000 + static_cast<std::int64_t>(n));
        db.run("INSERT INTO notes VALUES (" + noteId + ", 'g" + noteId + "', " +
                   std::to_string(kModelBase + note.model) + ", 0, -1, '', ?1, ?2, 0, 0, '')",
               {joinedFields(note.fields), note.fields.empty() ? "" : note.fields[0]});
        for (const AnkiCardState& c : note.cards) {
            db.exec("INSERT INTO cards VALUES (" + std::to_string(cardId++) + ", " + noteId + ", " +
                    std::to_string(kDeckBase + note.deck) + ", " + std::to_string(c.ord) +
                    ", 0, -1, " + std::to_string(c.type) + ", " + std::to_string(c.queue) + ", " +
                    std::to_string(n) + ", " + std::to_string(c.ivl) + ", 2500, 3, " +
                    std::to_string(c.lapses) + ", 0, 0, 0, 0, '')");
        }
    }
}

// The tables of both layouts, without their NOT NULL constraints, which no reader sees.
constexpr const char* kCommonSchema =
    "CREATE TABLE col (id integer primary key, crt integer, mod integer, scm integer, ver "
    "integer, dty integer, usn integer, ls integer, conf text, models text, decks text, dconf "
    "text, tags text);"
    "CREATE TABLE notes (id integer primary key, guid text, mid integer, mod integer, usn "
    "integer, tags text, flds text, sfld integer, csum integer, flags integer, data text);"
    "CREATE TABLE cards (id integer primary key, nid integer, did integer, ord integer, mod "
    "integer, usn integer, type integer, queue integer, due integer, ivl integer, factor "
    "integer, reps integer, lapses integer, left integer, odue integer, odid integer, flags "
    "integer, data text);"
    "CREATE TABLE revlog (id integer primary key, cid integer, usn integer, ease integer, ivl "
    "integer, lastIvl integer, factor integer, time integer, type integer);"
    "CREATE TABLE graves (usn integer, oid integer, type integer);";

std::string modelsJson(const AnkiContent& content) {
    std::string json = "{";
    for (std::size_t m = 0; m < content.models.size(); ++m) {
        const AnkiTestModel& model = content.models[m];
        const std::string id = std::to_string(kModelBase + static_cast<std::int64_t>(m));
        json += (m > 0 ? "," : "") + jsonString(id) + ":{\"id\":" + id + ",\"name\":\"Typ" +
                std::to_string(m) + "\",\"type\":" + (model.cloze ? "1" : "0") + ",\"flds\":[";
        for (std::size_t f = 0; f < model.fields.size(); ++f) {
            json += (f > 0 ? "," : "") + std::string("{\"name\":") + jsonString(model.fields[f]) +
                    ",\"ord\":" + std::to_string(f) + ",\"sticky\":false}";
        }
        json += "],\"tmpls\":[";
        for (std::size_t t = 0; t < model.templates.size(); ++t) {
            json += (t > 0 ? "," : "") + std::string("{\"name\":\"Karte ") + std::to_string(t + 1) +
                    "\",\"ord\":" + std::to_string(t) +
                    ",\"qfmt\":" + jsonString(model.templates[t].first) +
                    ",\"afmt\":" + jsonString(model.templates[t].second) + "}";
        }
        json += "],\"css\":\"\",\"sortf\":0}";
    }
    return json + "}";
}

std::string decksJson(const AnkiContent& content) {
    std::string json = "{";
    for (std::size_t d = 0; d < content.decks.size(); ++d) {
        const std::string id = std::to_string(kDeckBase + static_cast<std::int64_t>(d));
        json += (d > 0 ? "," : "") + jsonString(id) + ":{\"id\":" + id +
                ",\"name\":" + jsonString(content.decks[d]) + ",\"dyn\":0}";
    }
    return json + "}";
}

std::string olderCollection(const AnkiContent& content) {
    Database db;
    db.exec(kCommonSchema);
    db.run("INSERT INTO col VALUES (1, 0, 0, 0, 11, 0, 0, 0, '{}', ?1, ?2, '{}', '{}')",
           {modelsJson(content), decksJson(content)});
    notesAndCards(db, content);
    return db.bytes();
}

std::string currentCollection(const AnkiContent& content) {
    Database db;
    db.exec(kCommonSchema);
    db.exec(
        "CREATE TABLE notetypes (id integer primary key, name text collate unicase, "
        "mtime_secs integer, usn integer, config blob);"
        "CREATE TABLE fields (ntid integer, ord integer, name text collate unicase, config blob, "
        "primary key (ntid, ord)) without rowid;"
        "CREATE TABLE templates (ntid integer, ord integer, name text collate unicase, "
        "mtime_secs integer, usn integer, config blob, primary key (ntid, ord)) without rowid;"
        "CREATE TABLE decks (id integer primary key, name text collate unicase, mtime_secs "
        "integer, usn integer, common blob, kind blob);"
        "CREATE UNIQUE INDEX idx_notetypes_name ON notetypes (name);");
    db.exec("INSERT INTO col VALUES (1, 0, 0, 0, 18, 0, 0, 0, '', '', '', '', '')");
    for (std::size_t m = 0; m < content.models.size(); ++m) {
        const AnkiTestModel& model = content.models[m];
        const std::string id = std::to_string(kModelBase + static_cast<std::int64_t>(m));
        std::string config;
        varintField(config, 1, model.cloze ? 1 : 0);  // kind
        bytesField(config, 3, ".card {}");            // css
        db.run(
            "INSERT INTO notetypes VALUES (" + id + ", 'Typ" + std::to_string(m) + "', 0, 0, ?1)",
            {config});
        for (std::size_t f = 0; f < model.fields.size(); ++f) {
            db.run("INSERT INTO fields VALUES (" + id + ", " + std::to_string(f) + ", ?1, ?2)",
                   {model.fields[f], ""});
        }
        for (std::size_t t = 0; t < model.templates.size(); ++t) {
            std::string tconfig;
            bytesField(tconfig, 1, model.templates[t].first);
            bytesField(tconfig, 2, model.templates[t].second);
            db.run("INSERT INTO templates VALUES (" + id + ", " + std::to_string(t) +
                       ", ?1, 0, 0, ?2)",
                   {"Karte " + std::to_string(t + 1), tconfig});
        }
    }
    for (std::size_t d = 0; d < content.decks.size(); ++d) {
        std::string name = content.decks[d];
        for (std::size_t at = name.find("::"); at != std::string::npos; at = name.find("::", at)) {
            name.replace(at, 2, "\x1f");
        }
        db.run("INSERT INTO decks VALUES (" +
                   std::to_string(kDeckBase + static_cast<std::int64_t>(d)) + ", ?1, 0, 0, ?2, ?3)",
               {name, "", ""});
    }
    notesAndCards(db, content);
    return db.bytes();
}

// Since 2.1.50 the package still carries a collection.anki2 that only asks to update Anki.
std::string stubCollection() {
    const char* text =
        "Please update to the latest Anki version, then import the .colpkg/.apkg file again.";
    return olderCollection({{basicModel()}, {"Default"}, {{0, {text, ""}, {{}}, 0}}, {}});
}

}  // namespace

std::string zipBytes(const Entries& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    check(zip != nullptr, "zip open");
    zip_source_keep(buffer);
    // The entries outlive the archive's close, where their bytes are read.
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        check(zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8) >= 0, "zip add");
    }
    check(zip_close(zip) == 0, "zip close");
    check(zip_source_open(buffer) == 0, "zip reopen");
    std::string out;
    char chunk[4096];
    for (zip_int64_t got; (got = zip_source_read(buffer, chunk, sizeof chunk)) > 0;) {
        out.append(chunk, static_cast<std::size_t>(got));
    }
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return out;
}

std::string zstdBytes(const std::string& bytes) {
    std::string out(ZSTD_compressBound(bytes.size()), '\0');
    const std::size_t size = ZSTD_compress(out.data(), out.size(), bytes.data(), bytes.size(), 3);
    check(!ZSTD_isError(size), "zstd");
    out.resize(size);
    return out;
}

std::string gzipBytes(const std::string& bytes) {
    z_stream z{};
    check(deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8,
                       Z_DEFAULT_STRATEGY) == Z_OK,
          "deflate");
    std::string out(deflateBound(&z, static_cast<uLong>(bytes.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    check(deflate(&z, Z_FINISH) == Z_STREAM_END, "deflate end");
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

AnkiTestModel basicModel() {
    return {{"Front", "Back"}, {{"{{Front}}", "{{FrontSide}}<hr id=answer>{{Back}}"}}, false};
}

AnkiTestModel basicAndReversedModel() {
    return {{"Front", "Back"},
            {{"{{Front}}", "{{FrontSide}}<hr id=answer>{{Back}}"},
             {"{{Back}}", "{{FrontSide}}<hr id=answer>{{Front}}"}},
            false};
}

AnkiTestModel clozeModel() {
    return {{"Text", "Back Extra"}, {{"{{cloze:Text}}", "{{cloze:Text}}<br>{{Back Extra}}"}}, true};
}

std::string olderAnkiPackage(const AnkiContent& content, const std::string& collectionName) {
    Entries entries = {{collectionName, olderCollection(content)}};
    std::string map = "{";
    for (std::size_t i = 0; i < content.media.size(); ++i) {
        map += (i > 0 ? "," : "") + jsonString(std::to_string(i)) + ":" +
               jsonString(content.media[i].first);
        entries.push_back({std::to_string(i), content.media[i].second});
    }
    entries.push_back({"media", map + "}"});
    return zipBytes(entries);
}

std::string currentAnkiPackage(const AnkiContent& content) {
    std::string meta;
    varintField(meta, 1, 3);  // PackageMetadata.version = LATEST
    Entries entries = {{"collection.anki2", stubCollection()},
                       {"collection.anki21b", zstdBytes(currentCollection(content))},
                       {"meta", meta}};
    std::string map;
    for (std::size_t i = 0; i < content.media.size(); ++i) {
        std::string entry;
        bytesField(entry, 1, content.media[i].first);
        varintField(entry, 2, content.media[i].second.size());
        bytesField(entry, 3, std::string(20, '\x5a'));  // sha1
        bytesField(map, 1, entry);
        entries.push_back({std::to_string(i), zstdBytes(content.media[i].second)});
    }
    entries.push_back({"media", zstdBytes(map)});
    return zipBytes(entries);
}

KvtmlEntry kvtmlWords(const std::vector<std::string>& words, bool inactive) {
    KvtmlEntry entry{{}, inactive};
    for (const std::string& word : words) entry.translations.push_back({word, "", "", "", "", {}});
    return entry;
}

std::string kvtmlText(const std::vector<std::string>& languages,
                      const std::vector<KvtmlEntry>& entries) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
        "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n <information>\n"
        "  <generator>Parley 1.1</generator>\n  <title>Test</title>\n </information>\n"
        " <identifiers>\n";
    for (std::size_t i = 0; i < languages.size(); ++i) {
        xml += "  <identifier id=\"" + std::to_string(i) + "\">\n   <name>" + languages[i] +
               "</name>\n   <locale>x" + std::to_string(i) + "</locale>\n  </identifier>\n";
    }
    xml += " </identifiers>\n <entries>\n";
    for (std::size_t e = 0; e < entries.size(); ++e) {
        xml += "  <entry id=\"" + std::to_string(e) + "\">\n";
        if (entries[e].inactive) xml += "   <inactive>true</inactive>\n";
        for (std::size_t t = 0; t < entries[e].translations.size(); ++t) {
            const KvtmlTranslation& tr = entries[e].translations[t];
            const auto element = [&xml](const std::string& tag, const std::string& text) {
                if (!text.empty()) xml += "    <" + tag + ">" + text + "</" + tag + ">\n";
            };
            xml += "   <translation id=\"" + std::to_string(t) + "\">\n    <text>" + tr.text +
                   "</text>\n";
            element("comment", tr.comment);
            element("pronunciation", tr.pronunciation);
            for (const auto& [from, grade] : tr.grades) {
                xml += "    <grade fromid=\"" + std::to_string(from) + "\">\n     <currentgrade>" +
                       std::to_string(grade.first) + "</currentgrade>\n     <count>3</count>\n" +
                       "     <errorcount>" + std::to_string(grade.second) +
                       "</errorcount>\n     <date>2024-01-02T10:00:00</date>\n    </grade>\n";
            }
            element("image", tr.image);
            element("sound", tr.sound);
            xml += "   </translation>\n";
        }
        xml += "  </entry>\n";
    }
    return xml + " </entries>\n</kvtml>\n";
}

std::string paukerLessonXml(
    const std::vector<std::vector<std::pair<std::string, std::string>>>& batches) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--This is a lesson file for Pauker "
        "(http://pauker.sourceforge.net)-->\n<Lesson LessonFormat=\"1.7\">\n  "
        "<Description>Test</Description>\n";
    for (const auto& batch : batches) {
        xml += "  <Batch>\n";
        for (const auto& [front, back] : batch) {
            xml +=
                "    <Card>\n      <FrontSide LearnedTimestamp=\"1700000000000\" "
                "Orientation=\"LTR\" RepeatByTyping=\"false\">\n        <Text>" +
                front +
                "</Text>\n      </FrontSide>\n      <ReverseSide Orientation=\"LTR\" "
                "RepeatByTyping=\"false\">\n        <Text>" +
                back + "</Text>\n      </ReverseSide>\n    </Card>\n";
        }
        xml += "  </Batch>\n";
    }
    return xml + "</Lesson>\n";
}

}  // namespace memvalo::test
