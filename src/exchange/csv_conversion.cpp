#include "exchange/csv_conversion.h"

#include <algorithm>

#include "core/history_file.h"
#include "core/learning_set_writer.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/set_lock.h"
#include "core/set_save_transaction.h"
#include "core/text_encoding.h"
#include "exchange/csv_records.h"

namespace memvalo {

namespace {

constexpr int kMinimumSeparators = 4;
constexpr std::string_view kLineBreakMark = "#";
constexpr std::string_view kSemicolonMark = "\xC2\xAC";  // "¬"

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::string cardText(std::string field) {
    replaceAll(field, kLineBreakMark, "\r\n");
    replaceAll(field, kSemicolonMark, ";");
    anfuehrung_weg(field);
    return field;
}

CardRecord importedCard(const std::vector<std::string>& fields, const std::string& today) {
    CardRecord card;
    card.erstellt = today;
    card.falsch = "0";
    if (fields.size() < 2 || fields.size() > 4) return card;
    card.frage = cardText(fields[0]);
    card.antwort = cardText(fields[1]);
    if (fields.size() > 2) card.zusatz1 = cardText(fields[2]);
    if (fields.size() > 3) card.zusatz2 = cardText(fields[3]);
    return card;
}

std::string withoutSetExtensions(std::string name) {
    replaceAll(name, ".ldt", "");
    return name;
}

}  // namespace

std::optional<char> detectSeparator(std::string_view text) {
    const auto tabs = std::count(text.begin(), text.end(), kTab);
    const auto semicolons = std::count(text.begin(), text.end(), ';');
    if (tabs < kMinimumSeparators && semicolons < kMinimumSeparators) return std::nullopt;
    return tabs > semicolons ? kTab : ';';
}

std::string importDoneText(int count) {
    return "F E R T I G  !  Es wurden " + std::to_string(count) + " Datensätze importiert!";
}

int konvertCards(std::string_view text, char separator, const std::string& today, Box& box,
                 const std::function<void(int line)>& wrongLine) {
    box.clear();
    CsvRecordReader records(text, separator);
    CsvRecord record;
    while (!box.full() && records.next(record)) {
        const std::size_t fields = record.fields.size();
        if ((fields < 2 || fields > 4) && wrongLine) wrongLine(record.line);
        box.append(importedCard(record.fields, today));
    }
    box.pos = box.anz;
    return box.anz;
}

std::string importedSetBase(const std::string& folder, const std::string& fileName) {
    return folder + withoutSetExtensions(fileName);
}

std::error_code writeImportedSet(const std::string& folder, const std::string& fileName, Box& box1,
                                 const DiskStamp* expected) {
    const std::string base = importedSetBase(folder, fileName);
    SetOptions options;
    options.capacities.fill(std::to_string(Box::kSlots));
    options.nixbild = true;
    std::vector<SetFileContent> files = {{".cfg", optionsFileBytes(options, CountForm::Bare)},
                                         {".ldt", boxFileBytes(box1, 1)}};
    // Each empty box file holds only its count line "0".
    for (int box = 2; box <= 5; ++box) files.push_back({boxExtension(box), "0\r\n"});
    withoutOldHistory(base, files);
    if (folder + fileName == base + ".ldt") return saveSetFiles(base, files, {}, {expected}).code;
    // A box-1 file of another name cannot join the set's save as a whole; each file is
    // still replaced whole, and no other writer comes between them.
    SetWriteLock lock;
    if (const FileError e = lock.acquire(base)) return e.code;
    if (expected && expected->basePath == base && !unchangedOnDisk(*expected)) {
        return make_error_code(SetConflict::ChangedOnDisk);
    }
    for (const SetFileContent& file : files) {
        const std::string path =
            file.extension == ".ldt" ? folder + fileName : base + std::string(file.extension);
        if (auto ec = writeFileAtomically(path, file.bytes)) return ec;
    }
    return {};
}

}  // namespace memvalo
