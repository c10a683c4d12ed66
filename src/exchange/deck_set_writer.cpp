#include "exchange/deck_set_writer.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "core/box.h"
#include "core/history_file.h"
#include "core/learning_set_writer.h"
#include "core/set_files.h"
#include "core/set_save_transaction.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

constexpr std::array<int, 5> kDefaultCapacities = {250, 500, 850, 1200, 2000};
constexpr std::string_view kMediaSuffix = "-Medien/";

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    return path.substr(folderOf(path).size());
}

std::string storedText(std::string_view text) {
    std::string out;
    if (text.find('\n') == std::string_view::npos && text.find('\r') == std::string_view::npos) {
        out = text;
        anfuehrung_weg(out);
        return out;
    }
    out.reserve(text.size() + 8);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        out.append(text.substr(start, i - start));
        if (text[i] == '\n') out += "\r\n";
        start = i + 1;
    }
    out.append(text.substr(start));
    anfuehrung_weg(out);
    return out;
}

// Copies the media the cards name into the media folder, once per name; gives the reference
// each name gets, empty for one that could not be copied.
class MediaCopier {
  public:
    MediaCopier(const Deck& deck, const std::string& setFolder, const std::string& setName)
        : deck_(deck),
          folder_(setFolder + setName + std::string(kMediaSuffix)),
          relative_(setName + std::string(kMediaSuffix)) {}

    std::string reference(const std::string& medium) {
        const auto known = references_.find(medium);
        if (known != references_.end()) return known->second;
        std::string& reference = references_[medium];
        const auto bytes = deck_.media ? deck_.media->read(medium) : std::nullopt;
        if (!bytes) return reference;
        const std::string target = freeName(fileNameOf(medium));
        std::error_code ec;
        std::filesystem::create_directories(folder_, ec);
        if (ec || writeFileAtomically(folder_ + target, *bytes)) return reference;
        reference = relative_ + target;
        return reference;
    }

    const std::string& folder() const { return folder_; }
    bool used() const { return !taken_.empty(); }

  private:
    // Two media of one name from different folders both come along.
    std::string freeName(const std::string& name) {
        std::string candidate = name.empty() ? std::string("medium") : name;
        for (int n = 2; taken_.contains(candidate); ++n) candidate = std::to_string(n) + "-" + name;
        taken_.insert(candidate);
        return candidate;
    }

    const Deck& deck_;
    std::string folder_;
    std::string relative_;
    std::map<std::string, std::string> references_;
    std::set<std::string> taken_;
};

CardRecord recordOf(const ImportedCard& card, const FixedText& today) {
    CardRecord record;
    record.frage = storedText(card.frage);
    record.antwort = storedText(card.antwort);
    record.zusatz1 = storedText(card.zusatz1);
    record.zusatz2 = storedText(card.zusatz2);
    record.erstellt = today;
    for (int i = 0; i < CardRecord::datesOfBox(card.box); ++i) {
        record.kasten_am[static_cast<std::size_t>(i)] = today;
    }
    record.falsch = std::to_string(card.falsch);
    return record;
}

std::string continuationPath(const std::string& setPath, int number) {
    if (number == 1) return setPath;
    return basePathOf(setPath) + "-" + std::to_string(number) + ".ldt";
}

}  // namespace

std::array<int, 5> importCapacities(const std::array<int, 5>& counts) {
    std::array<int, 5> capacities{};
    for (std::size_t i = 0; i < capacities.size(); ++i) {
        capacities[i] = std::clamp(counts[i], kDefaultCapacities[i], Box::kSlots);
        if (i > 0) capacities[i] = std::max(capacities[i], capacities[i - 1]);
    }
    return capacities;
}

std::array<int, 5> cardsPerBox(const Deck& deck) {
    std::array<int, 5> counts{};
    for (const ImportedCard& card : deck.cards) ++counts[static_cast<std::size_t>(card.box - 1)];
    return counts;
}

FileError writeDeckSets(const Deck& deck, const std::string& setPath, const std::string& today,
                        DeckImportReport& report) {
    const std::string name = fileNameOf(basePathOf(setPath));
    MediaCopier media(deck, folderOf(setPath), name);
    const FixedText todayField(today);
    // Each box's first 2000 cards go to the set named, the next 2000 to the second, ...
    std::vector<std::array<Box, 5>> setBoxes(1);
    std::array<int, 5> placed{};
    for (const ImportedCard& card : deck.cards) {
        CardRecord record = recordOf(card, todayField);
        if (!card.medium.empty()) {
            record.medium = media.reference(card.medium);
            if (record.medium.empty()) ++report.medienFehlen;
        }
        if (card.moreMedia) ++report.ohneWeiteresMedium;
        const auto box = static_cast<std::size_t>(std::clamp(card.box, 1, 5) - 1);
        const auto set = static_cast<std::size_t>(placed[box]++ / Box::kSlots);
        if (set == setBoxes.size()) setBoxes.emplace_back();
        setBoxes[set][box].append(std::move(record));
        ++report.perBox[box];
        ++report.total;
    }
    const auto sets = static_cast<int>(setBoxes.size());
    // The learner confirmed replacing the set he named, not the further sets beside it.
    for (int number = 2; number <= sets; ++number) {
        const std::string path = continuationPath(setPath, number);
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) {
            return {std::make_error_code(std::errc::file_exists), path};
        }
    }
    for (int number = 1; number <= sets; ++number) {
        std::array<Box, 5>& boxes = setBoxes[static_cast<std::size_t>(number - 1)];
        std::array<int, 5> counts{};
        for (std::size_t b = 0; b < boxes.size(); ++b) counts[b] = boxes[b].anz;
        SetOptions options;
        const std::array<int, 5> capacities = importCapacities(counts);
        for (std::size_t b = 0; b < capacities.size(); ++b) {
            options.capacities[b] = std::to_string(capacities[b]);
        }
        options.nixbild = !media.used();
        if (media.used()) options.mediaFolder = media.folder();
        std::vector<SetFileContent> files = {{".cfg", optionsFileBytes(options)}};
        for (int box = 1; box <= 5; ++box) {
            files.push_back(
                {boxExtension(box), boxFileBytes(boxes[static_cast<std::size_t>(box - 1)], box)});
        }
        const std::string path = continuationPath(setPath, number);
        withoutOldHistory(basePathOf(path), files);
        if (FileError error = saveSetFiles(basePathOf(path), files)) return error;
        report.sets.push_back(path);
    }
    return {};
}

std::string deckReportText(const DeckImportReport& report) {
    std::string text = std::to_string(report.total) + " Karten importiert";
    for (std::size_t b = 0; b < report.perBox.size(); ++b) {
        if (report.perBox[b] == 0) continue;
        text += ", " + std::to_string(report.perBox[b]) + " in Kasten " + std::to_string(b + 1);
    }
    text += "; " + std::to_string(report.ohneWeiteresMedium) + " ohne weiteres Medium";
    if (report.medienFehlen > 0) {
        text += "; bei " + std::to_string(report.medienFehlen) +
                " Karten fehlt das Medium, es ließ sich nicht kopieren";
    }
    if (report.sets.size() > 1) {
        text += "; weiter in";
        for (std::size_t i = 1; i < report.sets.size(); ++i) {
            text += (i == 1 ? " " : ", ") + fileNameOf(report.sets[i]);
        }
        text += ", weil ein Kasten höchstens 2000 Karten fasst";
    }
    return text;
}

}  // namespace memvalo
