#include "study/media.h"

#include <string>

#include "core/anzeige.h"
#include "core/busy_pointer.h"
#include "core/paths.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

bool entryMode(const StudyContext& app) {
    return app.frm1.mnueingabe.checked;
}

// Outside entry mode the card on screen is the one at the position of the checked box.
void intoShownCard(StudyContext& app, const std::string& medium) {
    for (int box = 1; box <= 5; ++box) {
        Box& k = app.store.k(box);
        if (!app.frm1.mnukk[box - 1].checked || k.pos < 1 || k.pos > k.anz) continue;
        k[k.pos].medium = medium;
        app.store.workRecord(box).medium = medium;
        app.karte_gespeichert = "nein";
        app.schritt_gespeichert = "nein";
    }
}

void removeReference(StudyContext& app) {
    // This question stays below a window kept on top: it is asked without the bracket.
    const MessageBox frage{"Bildverweis wirklich entfernen?", "Sicherheitsfrage",
                           Buttons::YesNoCancel, Icon::Question, 1};
    if (app.platform.msgBox(frage) != Answer::Yes) return;
    app.medienverweis.clear();
    if (!entryMode(app)) intoShownCard(app, "");
    anzeige(app);
}

void assignFile(StudyContext& app) {
    const auto file = chooseMediumFile(app);
    if (!file) return;
    app.medienverweis = *file;
    if (!entryMode(app)) intoShownCard(app, *file);
    anzeige(app);
}

}  // namespace

std::optional<std::string> chooseMediumFile(StudyContext& app) {
    FileDialog dialog;
    dialog.title = "Bild oder Klang auswählen";
    dialog.filter =
        "Dateien (*.gif;*.bmp;*.jpg;*.ico;*.wmf;*.rle;*.wav)|"
        "*.gif;*.bmp;*.jpg;*.ico;*.wmf;*.rle;*.wav";
    dialog.initialFolder = app.settings.mediaPfad;
    dialog.fileMustExist = true;
    const auto file = app.onTopBracket([&] { return app.platform.openFileDialog(dialog); });
    if (!file || file->empty()) return std::nullopt;
    const auto separator = file->rfind(kSeparator);
    if (separator != std::string::npos) app.settings.mediaPfad = file->substr(0, separator + 1);
    return file;
}

void bildbox_MouseDown(StudyContext& app, int button) {
    if (button == 2) {
        removeReference(app);
    } else {
        assignFile(app);
    }
}

void mnubt_Click(StudyContext& app) {
    bildbox_MouseDown(app, 1);
}

void mnuzeigbild_Click(StudyContext& app) {
    Control& zeigbild = app.frm1.mnuzeigbild;
    if (zeigbild.checked) {
        zeigbild.checked = false;
        // During a query the picture then comes with the answer.
        if (!entryMode(app)) app.frm1.bildbox.visible = false;
    } else {
        zeigbild.checked = true;
        anzeige(app);
    }
}

void mnunixbild_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    if (w.mnunixbild.checked) {
        w.mnunixbild.checked = false;
        w.mnuzeigbild.enabled = true;
        if (w.mnuzeigbild.checked || entryMode(app) || !w.picantwort.visible) anzeige(app);
    } else {
        w.mnuzeigbild.enabled = false;
        w.mnunixbild.checked = true;
        w.bildbox.visible = false;
    }
}

void mnuazersetzen_Click(StudyContext& app) {
    Control& ersetzen = app.frm1.mnuazersetzen;
    if (ersetzen.checked) {
        ersetzen.checked = false;
        return;
    }
    app.playSound("zurück.wav");
    const BusyPointer busy(app.platform);
    ersetzen.checked = true;
    for (const CardField& f : kCardFields) anfuehrung_rein(f.box(app.frm1).caption);
}

void textChanged(StudyContext& app, int field) {
    if (!app.frm1.mnuazersetzen.checked) return;
    std::string& text = kCardFields.at(static_cast<std::size_t>(field)).box(app.frm1).caption;
    // Rewriting the field only when there is something to convert keeps the cursor where it
    // is, and leaving blanks alone lets the learner type a blank between two words.
    if (text.find(kErsatzzeichen) == std::string::npos) return;
    const BusyPointer busy(app.platform);
    anfuehrung_rein(text);
}

}  // namespace memvalo
