#include "exchange/export_window.h"

#include "core/busy_pointer.h"
#include "core/card_fields.h"
#include "core/paths.h"
#include "core/text_encoding.h"
#include "exchange/export_file.h"
#include "exchange/file_error.h"
#include "settings/window_geometry.h"

namespace memvalo {

namespace {

constexpr std::array<const char*, 5> kBoxCaptions = {"Kasten 1", "Kasten 2", "Kasten 3", "Kasten 4",
                                                     "Kasten 5"};

void applyLayout(FilesContext& app, ExportWindowModel& f) {
    // The format options stand one under the other above the frames.
    const int framesTop = 22 + 26 * static_cast<int>(f.formatOptions.size());
    centreOverMainWindow(app, f.me, 700, framesTop + 244);
    for (std::size_t i = 0; i < f.formatOptions.size(); ++i) {
        place(*f.formatOptions[i], 16, 12 + 26 * static_cast<int>(i), 440, 24);
    }
    place(f.frkastwahl, 12, framesTop, 200, 188);
    for (int i = 0; i < 5; ++i) place(f.chkkasten[i], 12, 26 + i * 26, 176, 24);
    place(f.chkallekästen, 12, 156, 176, 24);
    place(f.frfelder, 224, framesTop, 200, 188);
    for (int i = 0; i < f.chkfelder.size(); ++i) place(f.chkfelder[i], 12, 26 + i * 26, 176, 24);
    place(f.chkallefelder, 12, 156, 176, 24);
    place(f.frmhtml, 436, framesTop, 252, 188);
    place(f.optfa, 12, 26, 228, 24);
    place(f.optaf, 12, 52, 228, 24);
    place(f.chkwiederholen, 12, 90, 228, 24);
    place(f.chkabsatz, 12, 116, 228, 24);
    place(f.cmdexport, 436, framesTop + 198, 122, 34);
    place(f.cmdcancel, 566, framesTop + 198, 122, 34);
}

void setCaptions(ExportWindowModel& f) {
    f.me.caption = "Lerndatei exportieren";
    for (std::size_t i = 0; i < f.formatOptions.size(); ++i) {
        f.formatOptions[i]->caption = exportFormats()[i].caption;
    }
    f.frkastwahl.caption = "Kästen auswählen:";
    for (int i = 0; i < 5; ++i) f.chkkasten[i].caption = kBoxCaptions[i];
    f.chkallekästen.caption = "ALLE";
    f.frfelder.caption = "welche Felder exportieren?";
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        f.chkfelder[static_cast<int>(i)].caption = kCardFields[i].caption;
    }
    f.chkallefelder.caption = "ALLE";
    f.frmhtml.caption = "HTML-Optionen";
    f.optfa.caption = "Frage/Antwort";
    f.optfa.tooltip = "Normaler Modus: oberes Feld ist Fragefeld";
    f.optaf.caption = "Antwort/Frage";
    f.optaf.tooltip = "unteres Feld ist Fragefeld";
    f.chkwiederholen.caption = "Frage wiederholen";
    f.chkwiederholen.tooltip = "schreibt vor die Antwort nochmals die Frage";
    f.chkabsatz.caption = "Frage mit Absatz-Formatierung";
    f.chkabsatz.tooltip =
        "Die Frage erscheint formatiert UNTER der Nummer, ansonsten unformatiert NEBEN der Numer";
    f.cmdexport.caption = "E&xportieren";
    f.cmdcancel.caption = "Ab&bruch";
}

// An empty box has nothing to export: its check box is cleared and greyed.
void greyEmptyBoxes(const FilesContext& app, ExportWindowModel& f) {
    for (int i = 0; i < 5; ++i) {
        if (app.store.k(i + 1).anz > 0) continue;
        f.chkkasten[i].checked = false;
        f.chkkasten[i].enabled = false;
    }
}

void enablePlainChoices(ExportWindowModel& f, bool plain) {
    for (Control* c : {&f.frmhtml, &f.chkabsatz, &f.chkwiederholen, &f.optaf, &f.optfa}) {
        c->enabled = !plain;
    }
    for (Control* c : {&f.frkastwahl, &f.frfelder, &f.chkallekästen, &f.chkallefelder}) {
        c->enabled = plain;
    }
    for (int i = 0; i < 5; ++i) f.chkkasten[i].enabled = plain;
    for (int i = 0; i < f.chkfelder.size(); ++i) f.chkfelder[i].enabled = plain;
}

std::string askAuthor(FilesContext& app) {
    const auto answer = app.inputBox(
        "Sie können jetzt Ihren Namen eingeben.\rEr kennzeichnet Sie als Autor Ihrer "
        "Lerndaten.\rFalls Sie dies nicht wünschen, klicken Sie auf 'Abbrechen'.",
        "Autor der Lerndatei:");
    if (!answer || trimBlanks(*answer).empty()) return std::string(kNoAuthor);
    return *answer;
}

void openPage(FilesContext& app, const std::string& path) {
    if (app.platform.openDocument(path)) return;
    app.msgBox("Die Seite konnte nicht im Browser geöffnet werden:\r" + path, FilesContext::kTitle,
               Buttons::OK, Icon::Exclamation);
}

}  // namespace

std::vector<Control*> ExportWindowModel::addFormatOptions() {
    std::vector<Control*> options;
    for (const ExchangeFormat& format : exportFormats()) {
        options.push_back(&add(std::string(format.option), ControlKind::Option));
    }
    return options;
}

std::string_view frameOf(std::string_view control) {
    if (control.starts_with("chkkasten") || control == "chkallekästen") return "frkastwahl";
    if (control.starts_with("chkfelder") || control == "chkallefelder") return "frfelder";
    if (control == "optfa" || control == "optaf" || control == "chkwiederholen" ||
        control == "chkabsatz") {
        return "frmhtml";
    }
    return {};
}

void frmexport_Load(FilesContext& app, ExportWindowModel& f) {
    applyLayout(app, f);
    setCaptions(f);
    enablePlainChoices(f, true);
    f.chkabsatz.checked = app.settings.absatz == 1;
    f.chkwiederholen.checked = app.settings.wiederholen == 1;
    f.formatOptions.front()->checked = true;
    f.optfa.checked = true;
    for (int i = 0; i < 5; ++i) f.chkkasten[i].checked = true;
    f.chkallekästen.checked = true;
    for (int i = 0; i < f.chkfelder.size(); ++i) f.chkfelder[i].checked = i < 2;
    f.chkallefelder.checked = false;
    greyEmptyBoxes(app, f);
    f.formatOptions.front()->focusRequested = true;
}

void optformat_Click(FilesContext& app, ExportWindowModel& f) {
    const bool plain = !chosenFormat(f).page;
    enablePlainChoices(f, plain);
    if (plain) greyEmptyBoxes(app, f);
}

void chkallekästen_Click(ExportWindowModel& f) {
    for (int i = 0; i < 5; ++i) {
        if (f.chkkasten[i].enabled) f.chkkasten[i].checked = f.chkallekästen.checked;
    }
}

void chkallefelder_Click(ExportWindowModel& f) {
    for (int i = 0; i < f.chkfelder.size(); ++i) f.chkfelder[i].checked = f.chkallefelder.checked;
}

void chkwiederholen_Click(FilesContext& app, ExportWindowModel& f) {
    app.settings.wiederholen = f.chkwiederholen.checked ? 1 : 0;
}

void chkabsatz_Click(FilesContext& app, ExportWindowModel& f) {
    app.settings.absatz = f.chkabsatz.checked ? 1 : 0;
}

const ExchangeFormat& chosenFormat(const ExportWindowModel& f) {
    for (std::size_t i = 0; i < f.formatOptions.size(); ++i) {
        if (f.formatOptions[i]->checked) return exportFormats()[i];
    }
    return exportFormats().front();
}

ExportChoice exportChoiceOf(const ExportWindowModel& f) {
    ExportChoice choice;
    for (int i = 0; i < 5; ++i) choice.kaesten[i] = f.chkkasten[i].checked;
    for (int i = 0; i < f.chkfelder.size(); ++i) choice.felder[i] = f.chkfelder[i].checked;
    choice.antwortFrage = f.optaf.checked;
    choice.wiederholen = f.chkwiederholen.checked;
    choice.absatz = f.chkabsatz.checked;
    return choice;
}

void cmdexport_Click(FilesContext& app, ExportWindowModel& f) {
    const ExchangeFormat& format = chosenFormat(f);
    ExportChoice choice = exportChoiceOf(f);
    FileDialog dialog;
    dialog.title = "Lerndatei exportieren";
    dialog.filter = format.filter;
    dialog.initialFolder = GetPathOrFileName(app.frm1.lblinidir.caption, true);
    if (dialog.initialFolder.empty()) dialog.initialFolder = app.platform.documentsFolder();
    dialog.overwritePrompt = true;
    const auto path = app.onTopBracket([&] { return app.platform.saveFileDialog(dialog); });
    if (!path || path->empty()) return;
    if (format.page) choice.autor = askAuthor(app);
    const std::error_code ec = [&] {
        const BusyPointer busy(app.platform);
        return writeExportFile(*path, format, app.store, choice, app.platform.today());
    }();
    if (ec) {
        showFileError(app, ec);
        return;
    }
    app.msgBox("Export komplett!", "Fertig!", Buttons::OK, Icon::Information);
    if (format.page) openPage(app, *path);
    f.me.visible = false;
}

void cmdcancel_Click(ExportWindowModel& f) {
    f.me.visible = false;
}

}  // namespace memvalo
