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
// The quotes, dates, count and line ends a card takes in a box file besides its texts, and
// room for texts that grow as they are stored.
constexpr std::size_t kCardBytesBeyondTexts = 128;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    return path.substr(folderOf(path).size());
}

// The text as a card stores it, in place of what `out` held.
void storeText(std::string& out, std::string_view text) {
    out.clear();
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end =
            std::min({text.find('\n', start), text.find('\r', start), text.size()});
        out.append(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\n') out += "\r\n";
        start = end + 1;
    }
    anfuehrung_weg(out);
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

// Fills `record` with the card, whatever it held before; its medium is left to the caller.
void fillRecord(CardRecord& record, const ImportedCard& card, int box, const FixedText& today) {
    storeText(record.frage, card.frage);
    storeText(record.antwort, card.antwort);
    storeText(record.zusatz1, card.zusatz1);
    storeText(record.zusatz2, card.zusatz2);
    record.erstellt = today;
    const auto dates = static_cast<std::size_t>(CardRecord::datesOfBox(box));
    for (std::size_t i = 0; i < record.kasten_am.size(); ++i) {
        record.kasten_am[i] = i < dates ? today : FixedText();
    }
    record.falsch = std::to_string(card.falsch);
}

std::string continuationPath(const std::string& setPath, int number) {
    if (number == 1) return setPath;
    return basePathOf(setPath) + "-" + std::to_string(number) + ".ldt";
}

// Where the cards go: each box's first 2000 cards to the set named, the next 2000 to the
// second, ...
struct Placement {
    std::vector<std::size_t> setOf;                 // the set of each card
    std::vector<std::array<int, 5>> counts;         // the cards of each set's boxes
    std::vector<std::array<std::size_t, 5>> sizes;  // about the bytes each box file takes
};

Placement placementOf(const Deck& deck) {
    Placement placement{std::vector<std::size_t>(deck.cards.size()), {{}}, {{}}};
    std::array<int, 5> placed{};
    for (std::size_t i = 0; i < deck.cards.size(); ++i) {
        const ImportedCard& card = deck.cards[i];
        const auto box = static_cast<std::size_t>(std::clamp(card.box, 1, 5) - 1);
        const auto set = static_cast<std::size_t>(placed[box]++ / Box::kSlots);
        if (set == placement.counts.size()) {
            placement.counts.emplace_back();
            placement.sizes.emplace_back();
        }
        placement.setOf[i] = set;
        ++placement.counts[set][box];
        placement.sizes[set][box] += card.frage.size() + card.antwort.size() + card.zusatz1.size() +
                                     card.zusatz2.size() + card.medium.size() +
                                     kCardBytesBeyondTexts;
    }
    return placement;
}

std::vector<SetFileContent> setFiles(const std::array<int, 5>& counts,
                                     std::array<std::string, 5>& boxFiles,
                                     const MediaCopier& media) {
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
            {boxExtension(box), std::move(boxFiles[static_cast<std::size_t>(box - 1)])});
    }
    return files;
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
    const Placement placement = placementOf(deck);
    const std::size_t sets = placement.counts.size();
    // The learner confirmed replacing the set he named, not the further sets beside it.
    for (std::size_t set = 1; set < sets; ++set) {
        const std::string path = continuationPath(setPath, static_cast<int>(set + 1));
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) {
            return {std::make_error_code(std::errc::file_exists), path};
        }
    }
    std::vector<std::array<std::string, 5>> boxFiles(sets);
    for (std::size_t set = 0; set < sets; ++set) {
        for (std::size_t b = 0; b < 5; ++b) {
            boxFiles[set][b] = boxFileHead(static_cast<int>(b + 1), placement.counts[set][b]);
            boxFiles[set][b].reserve(placement.sizes[set][b]);
        }
    }
    MediaCopier media(deck, folderOf(setPath), fileNameOf(basePathOf(setPath)));
    const FixedText todayField(today);
    CardRecord record;
    for (std::size_t i = 0; i < deck.cards.size(); ++i) {
        const ImportedCard& card = deck.cards[i];
        const int box = std::clamp(card.box, 1, 5);
        fillRecord(record, card, box, todayField);
        record.medium = card.medium.empty() ? std::string() : media.reference(card.medium);
        if (!card.medium.empty() && record.medium.empty()) ++report.medienFehlen;
        if (card.moreMedia) ++report.ohneWeiteresMedium;
        appendCardBytes(boxFiles[placement.setOf[i]][static_cast<std::size_t>(box - 1)], record,
                        box);
        ++report.perBox[static_cast<std::size_t>(box - 1)];
        ++report.total;
    }
    std::vector<SetSave> saves;
    for (std::size_t set = 0; set < sets; ++set) {
        SetSave& save = saves.emplace_back();
        save.basePath = basePathOf(continuationPath(setPath, static_cast<int>(set + 1)));
        save.files = setFiles(placement.counts[set], boxFiles[set], media);
        withoutOldHistory(save.basePath, save.files);
    }
    if (FileError error = saveSetsTogether(saves)) return error;
    for (std::size_t set = 0; set < sets; ++set) {
        report.sets.push_back(continuationPath(setPath, static_cast<int>(set + 1)));
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
