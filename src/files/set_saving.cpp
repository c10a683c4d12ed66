#include "files/set_saving.h"

#include <array>

#include "core/set_files.h"
#include "core/speicher_an_platte.h"
#include "core/text_encoding.h"
#include "core/transfer.h"
#include "files/set_dialogs.h"
#include "files/set_sharing.h"
#include "files/unsaved_changes.h"
#include "files/window_title.h"
#include "study/card_display.h"
#include "study/take_back.h"

namespace memvalo {

void storeTypedCard(FilesContext& app) {
    // Only in entry mode does the window show a card of box 1; in a query it shows a card of
    // the box being asked, which must never be copied over a card of box 1.
    if (modeCaption(app) != "Eingabe") return;
    const bool typed = !trimBlanks(app.frm1.txtfrage.caption).empty() ||
                       !trimBlanks(app.frm1.txtantwort.caption).empty();
    if (positionHoldsCard(app, 1) || (app.store.k(1).anz == 0 && typed)) storeShownCard(app);
}

bool saveSetAs(FilesContext& app, const std::string& path) {
    switch (askBeforeOverwriting(app, path)) {
        case OverwriteChoice::Save:
            break;
        case OverwriteChoice::SaveElsewhere: {
            const auto chosen = askSetToSave(app, std::string(kSaveAsTitle));
            return chosen && saveSetAs(app, *chosen);
        }
        case OverwriteChoice::Cancel:
            return false;
    }
    const std::string previousPath = app.setPath;
    const std::string previousLastFile = app.settings.letzteDatei;
    app.setPath = path;
    // The set in memory becomes the set as written, as reading it back would give it, which
    // resets the positions of boxes 2 to 5; a learner in the middle of a box must go on with
    // the card he sees, so the positions are kept.
    std::array<int, 5> positions{};
    for (int box = 1; box <= 5; ++box) positions[box - 1] = app.store.k(box).pos;
    if (!speicher_an_platte(app, {}, AfterSave::TakeWritten)) {
        app.setPath = previousPath;
        app.settings.letzteDatei = previousLastFile;
        app.setBasePath = basePathOf(previousPath);
        return false;
    }
    for (int box = 1; box <= 5; ++box) app.store.k(box).pos = positions[box - 1];
    markSetSaved(app);
    claimOpenSet(app);
    forgetLastAnswer(app);
    app.karte_gespeichert = "ja";
    app.schritt_gespeichert = "ja";
    showSetInTitle(app);
    return true;
}

void enableAfterSave(FilesContext& app) {
    MainWindowModel& w = app.frm1;
    for (Control* c : {&w.mnudatspeiunter, &w.mnudatneu, &w.mnudatöffnen, &w.mnudatspeichern}) {
        c->enabled = true;
    }
}

}  // namespace memvalo
