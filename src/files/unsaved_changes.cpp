#include "files/unsaved_changes.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/card_fields.h"
#include "core/card_fingerprint.h"
#include "core/set_option_table.h"
#include "core/text_encoding.h"
#include "core/transfer.h"

namespace memvalo {

namespace {

std::string typedText(const Control& field) {
    std::string text = trimBlanks(field.caption);
    anfuehrung_weg(text);
    return text;
}

bool typedCardDiffers(const FilesContext& app) {
    if (modeCaption(app) != "Eingabe") return false;
    const MainWindowModel& w = app.frm1;
    const Box& k1 = app.store.k(1);
    if (k1.pos < 1 || k1.pos > k1.anz) {
        return !typedText(w.txtfrage).empty() || !typedText(w.txtantwort).empty();
    }
    const CardRecord& stored = k1[k1.pos];
    for (const CardField& f : kCardFields) {
        if (typedText(f.box(w)) != stored.*f.text) return true;
    }
    return app.medienverweis != stored.medium;
}

// The options a save writes that count as a change.
std::uint64_t optionsFingerprint(const FilesContext& app) {
    Fingerprint f;
    const SetOptions options = setOptionsOf(app);
    std::vector<std::string> lines;
    for (const SetOption& option : setOptionTable()) {
        if (!option.countsAsChange) continue;
        lines.clear();
        option.write(options, lines);
        for (const std::string& line : lines) f.add(line);
    }
    return f.value();
}

bool matchesSaved(const FilesContext& app, const SavedSet& saved) {
    if (app.store.soll != saved.soll || optionsFingerprint(app) != saved.options) return false;
    for (int box = 1; box <= 5; ++box) {
        if (!saved.boxes[static_cast<std::size_t>(box - 1)].matches(app.store.k(box))) return false;
    }
    return true;
}

}  // namespace

void markSetSaved(FilesContext& app) {
    SavedSet& saved = app.files.saved.emplace();
    for (int box = 1; box <= 5; ++box) {
        saved.boxes[static_cast<std::size_t>(box - 1)] = BoxSnapshot(app.store.k(box));
    }
    saved.soll = app.store.soll;
    saved.options = optionsFingerprint(app);
}

bool hasUnsavedChanges(const FilesContext& app) {
    if (!app.files.saved) {
        // No set was made, opened or saved yet: only cards brought in otherwise (a box-5
        // import at start) or typed since are at stake.
        bool anyCards = false;
        for (const Box& box : app.store.boxes) anyCards = anyCards || box.anz > 0;
        return anyCards || typedCardDiffers(app);
    }
    return !matchesSaved(app, *app.files.saved) || typedCardDiffers(app);
}

}  // namespace memvalo
