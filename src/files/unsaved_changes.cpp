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

}  // namespace

std::uint64_t setFingerprint(const FilesContext& app) {
    Fingerprint f;
    addCards(f, app.store);
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

void markSetSaved(FilesContext& app) {
    app.files.savedFingerprint = setFingerprint(app);
}

bool hasUnsavedChanges(const FilesContext& app) {
    if (!app.files.savedFingerprint) {
        // No set was made, opened or saved yet: only cards brought in otherwise (a box-5
        // import at start) or typed since are at stake.
        bool anyCards = false;
        for (const Box& box : app.store.boxes) anyCards = anyCards || box.anz > 0;
        return anyCards || typedCardDiffers(app);
    }
    return setFingerprint(app) != *app.files.savedFingerprint || typedCardDiffers(app);
}

}  // namespace memvalo
