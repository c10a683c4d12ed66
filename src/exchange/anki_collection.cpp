#include "exchange/anki_collection.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <tuple>

#include "core/utf8.h"
#include "exchange/anki_note_cards.h"
#include "exchange/import_refusal.h"
#include "exchange/protobuf_fields.h"

namespace memvalo {

namespace {

constexpr char kFieldSeparator = '\x1F';
constexpr int kCardTypeReview = 2;
constexpr int kQueueLearning = 1;
constexpr int kQueueDayLearning = 3;

[[noreturn]] void noCollection() {
    throw ImportRefusal("die Anki-Sammlung ist beschädigt oder hat nicht die erwarteten Tabellen");
}

struct Database {
    sqlite3* db = nullptr;
    ~Database() { sqlite3_close(db); }
};

class Query {
  public:
    Query(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) noCollection();
    }
    ~Query() { sqlite3_finalize(statement_); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    bool step() {
        const int result = sqlite3_step(statement_);
        if (result == SQLITE_ROW) return true;
        if (result != SQLITE_DONE) noCollection();
        return false;
    }
    std::string text(int column) const { return std::string(view(column)); }
    // Valid until the next step.
    std::string_view view(int column) const {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
        const int size = sqlite3_column_bytes(statement_, column);
        return bytes == nullptr ? std::string_view()
                                : std::string_view(bytes, static_cast<std::size_t>(size));
    }
    std::int64_t number(int column) const { return sqlite3_column_int64(statement_, column); }

  private:
    sqlite3_stmt* statement_ = nullptr;
};

// Names in Anki's current collections compare without regard to case.
int unicase(void*, int leftSize, const void* left, int rightSize, const void* right) {
    const std::string a =
        utf8::lower({static_cast<const char*>(left), static_cast<std::size_t>(leftSize)});
    const std::string b =
        utf8::lower({static_cast<const char*>(right), static_cast<std::size_t>(rightSize)});
    return a.compare(b);
}

// SQLite reads the bytes where they are; they must outlive the database.
void open(Database& database, std::string& bytes) {
    if (bytes.size() < 100 || std::memcmp(bytes.data(), "SQLite format 3", 16) != 0) noCollection();
    // One thread reads the collection: no locks around every column.
    if (sqlite3_open_v2(":memory:", &database.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        noCollection();
    }
    sqlite3_db_config(database.db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(database.db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_create_collation(database.db, "unicase", SQLITE_UTF8, nullptr, unicase);
    // A collection saved in write-ahead mode reads as a plain file once its header says so.
    bytes[18] = bytes[19] = 1;
    auto* data = reinterpret_cast<unsigned char*>(bytes.data());
    const auto size = static_cast<sqlite3_int64>(bytes.size());
    if (sqlite3_deserialize(database.db, "main", data, size, size, SQLITE_DESERIALIZE_READONLY) !=
        SQLITE_OK) {
        noCollection();
    }
    // SQLite reads the pages where they lie instead of copying each into its page cache.
    const std::string mmap = "PRAGMA mmap_size = " + std::to_string(size);
    sqlite3_exec(database.db, mmap.c_str(), nullptr, nullptr, nullptr);
}

std::set<std::string> tablesOf(sqlite3* db) {
    std::set<std::string> tables;
    Query query(db, "SELECT name FROM sqlite_schema WHERE type = 'table'");
    while (query.step()) tables.insert(query.text(0));
    return tables;
}

using NoteTypes = std::map<std::int64_t, AnkiNoteType>;
using DeckNames = std::map<std::int64_t, std::string>;

// The older layout: note types and decks are JSON texts in the one row of `col`.
void readOlderLayout(sqlite3* db, NoteTypes& types, DeckNames& decks) {
    Query kinds(db,
                "SELECT CAST(m.key AS INTEGER), json_extract(m.value, '$.type') "
                "FROM col, json_each(col.models) m");
    while (kinds.step()) types[kinds.number(0)].cloze = kinds.number(1) == 1;
    Query fields(db,
                 "SELECT CAST(m.key AS INTEGER), json_extract(f.value, '$.name') "
                 "FROM col, json_each(col.models) m, json_each(m.value, '$.flds') f "
                 "ORDER BY 1, json_extract(f.value, '$.ord'), f.key");
    while (fields.step()) types[fields.number(0)].fields.push_back(fields.text(1));
    Query templates(db,
                    "SELECT CAST(m.key AS INTEGER), json_extract(t.value, '$.qfmt'), "
                    "json_extract(t.value, '$.afmt') "
                    "FROM col, json_each(col.models) m, json_each(m.value, '$.tmpls') t "
                    "ORDER BY 1, json_extract(t.value, '$.ord'), t.key");
    while (templates.step()) {
        types[templates.number(0)].templates.push_back({templates.text(1), templates.text(2)});
    }
    Query names(db,
                "SELECT CAST(d.key AS INTEGER), json_extract(d.value, '$.name') "
                "FROM col, json_each(col.decks) d ORDER BY 1");
    while (names.step()) decks[names.number(0)] = names.text(1);
}

// The current layout keeps the template formats and the note kind in protobuf messages.
AnkiTemplate templateOf(const std::string& config) {
    AnkiTemplate t;
    ProtoReader reader(config);
    while (const auto field = reader.next()) {
        if (field->number == 1 && field->delimited) t.frageFormat = field->bytes;
        if (field->number == 2 && field->delimited) t.antwortFormat = field->bytes;
    }
    return t;
}

bool clozeKind(const std::string& config) {
    ProtoReader reader(config);
    bool cloze = false;
    while (const auto field = reader.next()) {
        if (field->number == 1 && !field->delimited) cloze = field->varint == 1;
    }
    return cloze;
}

void readCurrentLayout(sqlite3* db, NoteTypes& types, DeckNames& decks) {
    Query kinds(db, "SELECT id, config FROM notetypes");
    while (kinds.step()) types[kinds.number(0)].cloze = clozeKind(kinds.text(1));
    Query fields(db, "SELECT ntid, name FROM fields ORDER BY ntid, ord");
    while (fields.step()) types[fields.number(0)].fields.push_back(fields.text(1));
    Query templates(db, "SELECT ntid, config FROM templates ORDER BY ntid, ord");
    while (templates.step()) {
        types[templates.number(0)].templates.push_back(templateOf(templates.text(1)));
    }
    Query names(db, "SELECT id, name FROM decks ORDER BY id");
    while (names.step()) {
        std::string name = names.text(1);
        // Nested decks: the levels are joined by 0x1F here and by "::" everywhere else.
        for (std::size_t at = name.find(kFieldSeparator); at != std::string::npos;
             at = name.find(kFieldSeparator, at)) {
            name.replace(at, 1, "::");
        }
        decks[names.number(0)] = name;
    }
}

// The field values of a note, viewing its `flds` text.
void splitFields(std::string_view flds, std::vector<std::string_view>& values) {
    values.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = flds.find(kFieldSeparator, start);
        values.push_back(flds.substr(start, end - start));
        if (end == std::string_view::npos) return;
        start = end + 1;
    }
}

struct CardRow {
    std::int64_t note;
    std::int64_t ord;
    std::int64_t id;
    int type;
    int queue;
    int intervalDays;
    int falsch;
    std::int64_t deck;
};

// The cards in the order of their notes, and within a note by template and id. Sorting these
// few numbers here spares SQLite carrying every note's fields through a sort of the join.
std::vector<CardRow> cardRows(sqlite3* db) {
    std::vector<CardRow> rows;
    // Room for all rows at once: growing step by step would fault in twice the memory.
    Query count(db, "SELECT count(*) FROM cards");
    if (count.step()) {
        rows.reserve(
            static_cast<std::size_t>(std::clamp<std::int64_t>(count.number(0), 0, 1 << 20)));
    }
    Query cards(db, "SELECT nid, ord, id, type, queue, ivl, lapses, did FROM cards");
    while (cards.step()) {
        rows.push_back({cards.number(0), cards.number(1), cards.number(2),
                        static_cast<int>(cards.number(3)), static_cast<int>(cards.number(4)),
                        static_cast<int>(std::clamp<std::int64_t>(cards.number(5), -1, 100000)),
                        static_cast<int>(std::clamp<std::int64_t>(cards.number(6), 0, 999999)),
                        cards.number(7)});
    }
    const auto before = [](const CardRow& a, const CardRow& b) {
        return std::tie(a.note, a.ord, a.id) < std::tie(b.note, b.ord, b.id);
    };
    // Cards are mostly stored in that order already.
    if (!std::is_sorted(rows.begin(), rows.end(), before)) {
        std::sort(rows.begin(), rows.end(), before);
    }
    return rows;
}

}  // namespace

int ankiBox(int type, int queue, int intervalDays) {
    if (type != kCardTypeReview || queue == kQueueLearning || queue == kQueueDayLearning) return 1;
    if (intervalDays >= 30) return 5;
    if (intervalDays >= 10) return 4;
    if (intervalDays >= 3) return 3;
    return 2;
}

void readAnkiCollection(std::string sqliteBytes, Deck& deck) {
    Database database;
    open(database, sqliteBytes);
    sqlite3* db = database.db;
    const std::set<std::string> tables = tablesOf(db);
    if (!tables.contains("notes") || !tables.contains("cards")) noCollection();
    NoteTypes types;
    DeckNames decks;
    if (tables.contains("notetypes")) {
        readCurrentLayout(db, types, decks);
    } else if (tables.contains("col")) {
        readOlderLayout(db, types, decks);
    } else {
        noCollection();
    }
    std::map<std::int64_t, AnkiCardMaker> makers;
    for (const auto& [id, type] : types) makers.emplace(id, AnkiCardMaker(type));
    const std::vector<CardRow> rows = cardRows(db);
    std::set<std::string> used;
    std::vector<std::string_view> values;
    deck.cards.reserve(deck.cards.size() + rows.size());
    auto row = rows.begin();
    Query notes(db, "SELECT id, mid, flds FROM notes ORDER BY id");
    while (notes.step() && row != rows.end()) {
        const std::int64_t id = notes.number(0);
        while (row != rows.end() && row->note < id) ++row;
        const auto maker = makers.find(notes.number(1));
        if (maker == makers.end()) continue;  // a note of a note type the collection lacks
        splitFields(notes.view(2), values);
        for (auto r = row; r != rows.end() && r->note == id; ++r) {
            ImportedCard card = maker->second.card(values, static_cast<int>(r->ord));
            card.box = ankiBox(r->type, r->queue, r->intervalDays);
            card.falsch = r->falsch;
            const auto name = decks.find(r->deck);
            card.stapel = name == decks.end() ? std::string() : name->second;
            if (used.insert(card.stapel).second) deck.choices.push_back(card.stapel);
            deck.cards.push_back(std::move(card));
        }
    }
}

}  // namespace memvalo
