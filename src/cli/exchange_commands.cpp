#include "cli/exchange_commands.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <utility>

#include "cli/commands.h"
#include "core/card_fields.h"
#include "core/paths.h"
#include "core/safe_file.h"
#include "core/set_lock.h"
#include "core/text_encoding.h"
#include "exchange/csv_conversion.h"
#include "exchange/exchange_format.h"
#include "exchange/export_file.h"
#include "exchange/file_error.h"
#include "exchange/import_text.h"

namespace memvalo {

std::string exportFormatNames(std::string_view between, std::string_view beforeLast) {
    const auto formats = exportFormats();
    std::string names;
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (i > 0) names += i + 1 == formats.size() ? beforeLast : between;
        names += formats[i].name;
    }
    return names;
}

namespace {

// A message of the program's own, its lines joined by CR, as lines of a terminal.
std::string terminalLines(std::string_view text) {
    std::string lines(text);
    for (char& c : lines) {
        if (c == '\r') c = '\n';
    }
    return lines;
}

std::vector<std::string> commaList(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

struct UsageError {
    std::string reason;
};

void chooseBoxes(ExportChoice& choice, const std::string& list) {
    if (const auto wrong = boxesNamed(list, choice.kaesten)) {
        throw UsageError{"Kein Kasten von 1 bis 5: \"" + *wrong + "\""};
    }
}

void chooseFields(ExportChoice& choice, const std::string& list) {
    choice.felder.fill(false);
    for (const std::string& item : commaList(list)) {
        const auto it = std::find_if(kCardFields.begin(), kCardFields.end(),
                                     [&](const CardField& f) { return f.name == item; });
        if (it == kCardFields.end()) throw UsageError{"Unbekanntes Feld: \"" + item + "\""};
        choice.felder[static_cast<std::size_t>(it - kCardFields.begin())] = true;
    }
}

const ExchangeFormat& formatNamed(const std::string& name) {
    const ExchangeFormat* format = exportFormatNamed(name);
    if (format == nullptr) throw UsageError{"Unbekanntes Format: \"" + name + "\""};
    return *format;
}

std::string exportUsage() {
    return "Aufruf: memvalo-cli export " + exportFormatNames("|", "|") +
           " SET.ldt ZIEL [--kaesten 1,2,5]\n"
           "        [--felder frage,antwort,zusatz1,zusatz2] [--autor NAME] [--antwort-frage]\n"
           "        [--wiederholen] [--absatz]\n";
}

// The format and the choice the options ask for; the boxes stay unset (nullopt) when no
// option names them.
ExportChoice parseExport(const std::vector<std::string>& args,
                         std::optional<std::array<bool, 5>>& boxes, const ExchangeFormat*& format) {
    if (args.size() < 3) throw UsageError{"Format, Lerndatei und Ziel fehlen"};
    format = &formatNamed(args[0]);
    ExportChoice choice;
    for (std::size_t i = 3; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == "--antwort-frage") {
            choice.antwortFrage = true;
        } else if (option == "--wiederholen") {
            choice.wiederholen = true;
        } else if (option == "--absatz") {
            choice.absatz = true;
        } else if ((option == "--kaesten" || option == "--felder" || option == "--autor") &&
                   !hasValue) {
            throw UsageError{"Zur Option " + option + " fehlt der Wert"};
        } else if (option == "--kaesten") {
            chooseBoxes(choice, args[++i]);
            boxes = choice.kaesten;
        } else if (option == "--felder") {
            chooseFields(choice, args[++i]);
        } else if (option == "--autor") {
            const std::string& name = args[++i];
            choice.autor = trimBlanks(name).empty() ? std::string(kNoAuthor) : name;
        } else {
            throw UsageError{"Unbekannte Option: " + option};
        }
    }
    return choice;
}

}  // namespace

int importCsv(App& app, const std::string& file, const std::string& target, std::ostream& out,
              std::ostream& err) {
    const std::string folder = GetPathOrFileName(target, true);
    const std::string fileName = GetPathOrFileName(target, false);
    // The target as it was when the import began: a set another program saves meanwhile is
    // not replaced.
    const DiskStamp before = stampSet(importedSetBase(folder, fileName));
    std::string bytes;
    if (readWholeFile(file, bytes)) {
        err << "Die Datei " << file << " kann nicht gelesen werden.\n";
        return 1;
    }
    const std::string text = importFileText(std::move(bytes));
    const auto separator = detectSeparator(text);
    if (!separator) {
        err << terminalLines(kTooFewSeparators) << '\n';
        return 1;
    }
    Box box1;
    const int count = konvertCards(text, *separator, app.platform.today(), box1, [&](int line) {
        err << "Zeile " << line << ": " << kWrongFieldCount << '\n';
    });
    if (const auto ec = writeImportedSet(folder, fileName, box1, &before)) {
        if (const std::string text = setConflictText(target, ec); !text.empty()) {
            err << terminalLines(text) << '\n';
            return 1;
        }
        err << "Die Lerndatei " << target
            << " kann nicht geschrieben werden: " << terminalLines(fileErrorText(ec)) << '\n';
        return 1;
    }
    out << importDoneText(count) << '\n';
    return 0;
}

int exportSet(App& app, const std::vector<std::string>& args, std::ostream& out,
              std::ostream& err) {
    std::optional<std::array<bool, 5>> boxes;
    const ExchangeFormat* format = nullptr;
    ExportChoice choice;
    try {
        choice = parseExport(args, boxes, format);
    } catch (const UsageError& e) {
        err << e.reason << ".\n" << exportUsage();
        return 2;
    }
    if (!loadSet(app, args[1], err)) return 1;
    for (int box = 1; box <= 5; ++box) {
        const auto i = static_cast<std::size_t>(box - 1);
        choice.kaesten[i] = boxes ? (*boxes)[i] : app.store.k(box).anz > 0;
    }
    const std::string& target = args[2];
    if (const auto ec = writeExportFile(target, *format, app.store, choice, app.platform.today())) {
        err << "Die Datei " << target
            << " kann nicht geschrieben werden: " << terminalLines(fileErrorText(ec)) << '\n';
        return 1;
    }
    out << "Export komplett!\n";
    return 0;
}

std::optional<std::string> boxesNamed(const std::string& list, std::array<bool, 5>& boxes) {
    boxes.fill(false);
    for (const std::string& item : commaList(list)) {
        if (item.size() != 1 || item[0] < '1' || item[0] > '5') return item;
        boxes[static_cast<std::size_t>(item[0] - '1')] = true;
    }
    return std::nullopt;
}

}  // namespace memvalo
