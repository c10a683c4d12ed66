#include "core/old_format_reader.h"

#include <charconv>

#include "core/codec.h"
#include "core/item_reader.h"
#include "core/runtime_error.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/text_encoding.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

// Error numbers the error window shows: file not found, input past end of file, bad format.
constexpr int kFileNotFound = 53;
constexpr int kInputPastEnd = 62;
constexpr int kBadFileFormat = 321;

std::string cutLine(ItemReader& in, std::size_t width) {
    return trimBlanks(utf8::left(cp1252ToUtf8(in.line(), References::Literal), width));
}

std::string oldText(ItemReader& in, std::size_t width) {
    std::string text = cutLine(in, width);
    enter_rein(text);
    text = trimBlanks(text);
    anfuehrung_weg(text);
    return text;
}

// A date or count; the current format stores no double quote in one either.
std::string oldFixed(ItemReader& in) {
    std::string text = cutLine(in, FixedText::kWidth);
    anfuehrung_weg(text);
    return text;
}

int oldNumber(ItemReader& in, const std::string& file, int high) {
    const std::string text = cutLine(in, FixedText::kWidth);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > high) {
        throw RuntimeError(kBadFileFormat, "In " + file + " steht in Zeile " +
                                               std::to_string(in.lineNumber() - 1) +
                                               " keine gültige Zahl: \"" + text + "\"");
    }
    return value;
}

void readOldCards(ItemReader& in, const std::string& file, int boxNumber, Box& box) {
    const int count = oldNumber(in, file, kOldCardsPerFile);
    for (int slot = 1; slot <= count; ++slot) {
        CardRecord& card = box[slot];
        card.frage = oldText(in, kOldMainTextWidth);
        card.antwort = oldText(in, kOldMainTextWidth);
        card.zusatz1 = oldText(in, kOldExtraTextWidth);
        card.zusatz2 = oldText(in, kOldExtraTextWidth);
        card.erstellt = oldFixed(in);
        for (int i = 0; i < CardRecord::datesOfBox(boxNumber); ++i) {
            card.kasten_am[static_cast<std::size_t>(i)] = oldFixed(in);
        }
        card.falsch = oldFixed(in);
    }
    box.anz = count;
}

}  // namespace

void readOldBox(std::string_view bytes, const std::string& file, int boxNumber, OldSet& set) {
    ItemReader in(bytes);
    try {
        if (boxNumber == 1) {
            in.line();
            // A capacity the current format cannot hold becomes that box's default, as it
            // would when the converted set is opened.
            const SetOptions defaults;
            for (std::size_t i = 0; i < set.capacities.size(); ++i) {
                const int capacity = oldNumber(in, file, 32767);
                set.capacities[i] = capacity >= 1 && capacity <= Box::kSlots
                                        ? std::to_string(capacity)
                                        : defaults.capacities[i];
            }
        }
        if (boxNumber == 5) set.box5Answered = oldNumber(in, file, 32767);
        readOldCards(in, file, boxNumber, set.boxes[static_cast<std::size_t>(boxNumber - 1)]);
    } catch (const FormatError& e) {
        throw RuntimeError(kInputPastEnd, "Die Datei " + file + " endet zu früh (Zeile " +
                                              std::to_string(e.line) + ")");
    }
}

void readOldSet(const std::string& basePath, OldSet& set) {
    for (int box = 1; box <= 5; ++box) {
        const std::string file = basePath + std::string(boxExtension(box));
        std::string bytes;
        const std::error_code ec = readWholeFile(file, bytes);
        if (box > 1 && ec == std::errc::no_such_file_or_directory) continue;
        if (ec) {
            throw RuntimeError(kFileNotFound, "Die Datei " + file + " kann nicht gelesen werden (" +
                                                  fileErrorReason(ec) + ")");
        }
        readOldBox(bytes, file, box, set);
    }
}

}  // namespace memvalo
