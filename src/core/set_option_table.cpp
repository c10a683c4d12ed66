#include "core/set_option_table.h"

#include <array>
#include <charconv>

#include "core/box.h"
#include "core/codec.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

bool parseNumber(std::string_view text, int low, int high, int& value) {
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

std::string valueLine(ItemReader& in) {
    return trimBlanks(in.line());
}

// The capacities of boxes 1..5: the first five items, as the SOLL fields show them.
constexpr SetOption kCapacities{"",
                                [](ItemReader& in, SetOptions& o, std::vector<int>& badLines) {
                                    for (std::string& capacity : o.capacities) {
                                        const int line = in.lineNumber();
                                        const std::string_view text = in.item();
                                        int value = 0;
                                        if (parseNumber(text, 1, Box::kSlots, value)) {
                                            capacity = text;
                                        } else {
                                            badLines.push_back(line);
                                        }
                                    }
                                },
                                [](const SetOptions& o, std::vector<std::string>& lines) {
                                    for (const std::string& capacity : o.capacities)
                                        lines.push_back(trimBlanks(capacity));
                                },
                                [](const Session& app, SetOptions& o) {
                                    for (int i = 0; i < 5; ++i)
                                        o.capacities[i] = trimBlanks(app.frm1.txtazsoll[i].caption);
                                },
                                [](Session& app, const SetOptions& o) {
                                    for (int i = 0; i < 5; ++i) {
                                        const auto box = static_cast<std::size_t>(i);
                                        app.store.soll[box] = std::stoi(o.capacities[box]);
                                        app.frm1.txtazsoll[i].caption =
                                            std::to_string(app.store.soll[box]);
                                    }
                                },
                                false};

constexpr SetOption kBox5Answered{
    "[Kasten 5 bereits beantwortet]",
    [](ItemReader& in, SetOptions& o, std::vector<int>& badLines) {
        const int line = in.lineNumber();
        const std::string answered = valueLine(in);
        if (!answered.empty() && !parseNumber(answered, 0, 32767, o.box5Answered)) {
            badLines.push_back(line);
        }
    },
    [](const SetOptions& o, std::vector<std::string>& lines) {
        lines.push_back(" " + std::to_string(o.box5Answered) + " ");
    },
    [](const Session& app, SetOptions& o) { o.box5Answered = app.kasten5_beantwortet; },
    [](Session& app, const SetOptions& o) { app.kasten5_beantwortet = o.box5Answered; },
    true};

constexpr SetOption kMediaFolder{
    "[Pfad für Klänge/Bilder]",
    [](ItemReader& in, SetOptions& o, std::vector<int>&) {
        o.mediaFolder = cp1252ToUtf8(valueLine(in));
    },
    [](const SetOptions& o, std::vector<std::string>& lines) {
        lines.push_back(withoutLineBreaks(o.mediaFolder));
    },
    [](const Session& app, SetOptions& o) { o.mediaFolder = app.settings.mediaPfad; },
    [](Session& app, const SetOptions& o) { app.settings.mediaPfad = o.mediaFolder; },
    true};

constexpr SetOption kPicturesWithQuestion{
    "[Bilder bei Abfrage zeigen?]",
    [](ItemReader& in, SetOptions& o, std::vector<int>&) { o.zeigbild = valueLine(in) == "ja"; },
    [](const SetOptions& o, std::vector<std::string>& lines) {
        lines.push_back(o.zeigbild ? "ja" : "nein");
    },
    [](const Session& app, SetOptions& o) { o.zeigbild = app.frm1.mnuzeigbild.checked; },
    [](Session& app, const SetOptions& o) { app.frm1.mnuzeigbild.checked = o.zeigbild; },
    true};

// The file asks the opposite question: "ja" means pictures are shown at all.
constexpr SetOption kNoPictures{
    "[Bilder überhaupt zeigen?]",
    [](ItemReader& in, SetOptions& o, std::vector<int>&) { o.nixbild = valueLine(in) != "ja"; },
    [](const SetOptions& o, std::vector<std::string>& lines) {
        lines.push_back(o.nixbild ? "nein" : "ja");
    },
    [](const Session& app, SetOptions& o) { o.nixbild = app.frm1.mnunixbild.checked; },
    // No pictures at all leaves nothing to show with the question.
    [](Session& app, const SetOptions& o) {
        app.frm1.mnunixbild.checked = o.nixbild;
        app.frm1.mnuzeigbild.enabled = !o.nixbild;
    },
    true};

}  // namespace

std::span<const SetOption> setOptionTable() {
    static constexpr std::array kTable = {kCapacities, kBox5Answered, kMediaFolder,
                                          kPicturesWithQuestion, kNoPictures};
    return kTable;
}

SetOptions setOptionsOf(const Session& app) {
    SetOptions options;
    for (const SetOption& option : setOptionTable()) option.fromApp(app, options);
    return options;
}

void applySetOptions(Session& app, const SetOptions& options) {
    for (const SetOption& option : setOptionTable()) option.toApp(app, options);
}

}  // namespace memvalo
