#pragma once
// Decks of other flash-card programs, made the way those programs write them: Anki packages in
// the older layout (SQLite collection, JSON media map) and the current one (zstd-compressed
// SQLite with the newer tables, protobuf media map, zstd media), Parley's KVTML and Pauker's
// gzip'd lessons.
#include <string>
#include <utility>
#include <vector>

namespace memvalo::test {

using Entries = std::vector<std::pair<std::string, std::string>>;

std::string zipBytes(const Entries& entries);
std::string zstdBytes(const std::string& bytes);
std::string gzipBytes(const std::string& bytes);

struct AnkiCardState {
    int ord = 0;
    int type = 0;  // 0 new, 1 learning, 2 review, 3 relearning
    int queue = 0;
    int ivl = 0;
    int lapses = 0;
};

struct AnkiTestNote {
    int model = 0;  // index into the models
    std::vector<std::string> fields;
    std::vector<AnkiCardState> cards;
    int deck = 0;  // index into the decks
};

struct AnkiTestModel {
    std::vector<std::string> fields;
    std::vector<std::pair<std::string, std::string>> templates;  // question, answer format
    bool cloze = false;
};

struct AnkiContent {
    std::vector<AnkiTestModel> models;
    std::vector<std::string> decks = {"Default"};  // "Eltern::Kind" for nested decks
    std::vector<AnkiTestNote> notes;
    std::vector<std::pair<std::string, std::string>> media;  // file name, bytes
};

// The two usual note types.
AnkiTestModel basicModel();
AnkiTestModel basicAndReversedModel();
AnkiTestModel clozeModel();

// An .apkg of Anki before 2.1.50 ("collection.anki2" or ".anki21").
std::string olderAnkiPackage(const AnkiContent& content,
                             const std::string& collectionName = "collection.anki21");
// An .apkg of Anki since 2.1.50.
std::string currentAnkiPackage(const AnkiContent& content);

struct KvtmlTranslation {
    std::string text, comment, pronunciation, image, sound;
    std::vector<std::pair<int, std::pair<int, int>>> grades;  // fromid -> grade, errorcount
};
struct KvtmlEntry {
    std::vector<KvtmlTranslation> translations;
    bool inactive = false;
};
// An entry of bare words, one for each language.
KvtmlEntry kvtmlWords(const std::vector<std::string>& words, bool inactive = false);
std::string kvtmlText(const std::vector<std::string>& languages,
                      const std::vector<KvtmlEntry>& entries);

// Batches in order: unlearned, ultra-short-term, short-term, long-term 1, 2, ...
std::string paukerLessonXml(
    const std::vector<std::vector<std::pair<std::string, std::string>>>& batches);

}  // namespace memvalo::test
