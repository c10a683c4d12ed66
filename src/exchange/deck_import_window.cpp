#include "exchange/deck_import_window.h"

#include <algorithm>

#include "core/busy_pointer.h"
#include "core/paths.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/utf8.h"
#include "exchange/deck_module.h"
#include "exchange/deck_set_writer.h"
#include "exchange/import_refusal.h"
#include "settings/window_geometry.h"

namespace memvalo {

namespace {

constexpr std::string_view kTitle = "Kartei eines anderen Programms importieren";
constexpr std::string_view kAlle = "alle";
constexpr std::size_t kPreviewCards = 3;

void applyLayout(FilesContext& app, DeckImportWindowModel& f) {
    centreOverMainWindow(app, f.me, 560, 384);
    place(f.lblformat, 12, 12, 536, 22);
    place(f.lblanzahl, 12, 36, 536, 22);
    place(f.lblkaesten, 12, 60, 536, 22);
    place(f.lblwahl, 12, 92, 140, 22);
    place(f.cbowahl, 160, 88, 388, 28);
    place(f.lblantwort, 12, 126, 140, 22);
    place(f.cboantwort, 160, 122, 388, 28);
    place(f.lblvorschau, 12, 160, 536, 166);
    place(f.cmdimport, 294, 338, 130, 34);
    place(f.cmdcancel, 432, 338, 116, 34);
}

std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? ' ' : c;
    return utf8::length(out) > 60 ? utf8::left(out, 57) + "..." : out;
}

void showChoice(DeckImportWindowModel& f) {
    const Deck& d = f.deck;
    const bool languages = d.choiceKind == DeckChoiceKind::Sprachen;
    f.lblwahl.visible = f.cbowahl.visible = d.choiceKind != DeckChoiceKind::None;
    f.lblantwort.visible = f.cboantwort.visible = languages;
    f.cbowahl.enabled = f.cboantwort.enabled = d.choices.size() > 1;
    if (languages) {
        f.cbowahl.items = f.cboantwort.items = d.choices;
        f.cbowahl.value = f.options.frageSprache;
        f.cboantwort.value = f.options.antwortSprache;
        return;
    }
    f.cbowahl.items = {std::string(kAlle)};
    f.cbowahl.items.insert(f.cbowahl.items.end(), d.choices.begin(), d.choices.end());
    const auto at = std::find(d.choices.begin(), d.choices.end(), f.options.stapel);
    f.cbowahl.value = at == d.choices.end() ? 0 : static_cast<int>(at - d.choices.begin()) + 1;
}

void showFound(DeckImportWindowModel& f) {
    const Deck& d = f.gewaehlt;
    f.lblformat.caption = "Format: " + f.deck.format;
    f.lblanzahl.caption = "Karten: " + std::to_string(d.cards.size());
    const std::array<int, 5> perBox = cardsPerBox(d);
    std::string boxes;
    for (std::size_t b = 0; b < perBox.size(); ++b) {
        boxes += (b > 0 ? "   " : "") + std::string("Kasten ") + std::to_string(b + 1) + ": " +
                 std::to_string(perBox[b]);
    }
    f.lblkaesten.caption = boxes;
    std::string preview = "Die ersten Karten:";
    for (std::size_t i = 0; i < std::min(kPreviewCards, d.cards.size()); ++i) {
        const ImportedCard& c = d.cards[i];
        preview += "\r\rFrage: " + oneLine(c.frage) + "\rAntwort: " + oneLine(c.antwort);
        if (!c.zusatz1.empty()) preview += "\rZusatz: " + oneLine(c.zusatz1);
    }
    f.lblvorschau.caption = preview;
    showChoice(f);
    f.cmdimport.enabled = !d.cards.empty();
}

// The cards of the chosen deck; a vocabulary file is read anew for other languages.
bool choose(FilesContext& app, DeckImportWindowModel& f, bool reread) {
    if (reread && !leseKartei(app, f)) return false;
    f.gewaehlt = f.deck;
    if (!f.options.stapel.empty()) {
        std::erase_if(f.gewaehlt.cards,
                      [&](const ImportedCard& c) { return c.stapel != f.options.stapel; });
    }
    showFound(f);
    return true;
}

// Choosing for one side the language the other side has swaps the two.
void chooseLanguage(int chosen, int& side, int& other) {
    if (chosen == other) other = side;
    side = chosen;
}

bool validChoice(const Control& list) {
    return list.value >= 0 && static_cast<std::size_t>(list.value) < list.items.size();
}

void close(DeckImportWindowModel& f) {
    f.me.visible = false;
}

}  // namespace

bool leseKartei(FilesContext& app, DeckImportWindowModel& f) {
    try {
        const BusyPointer busy(app.platform);
        f.deck = readDeckFile(f.pfad, {"", f.options.frageSprache, f.options.antwortSprache});
        return true;
    } catch (const ImportRefusal& refusal) {
        app.msgBox(refusalText(f.pfad, refusal.what()), kTitle, Buttons::OK, Icon::Critical);
        return false;
    }
}

void frmfremd_Load(FilesContext& app, DeckImportWindowModel& f) {
    applyLayout(app, f);
    f.me.caption = std::string(kTitle);
    f.lblwahl.caption =
        f.deck.choiceKind == DeckChoiceKind::Sprachen ? "&Fragesprache:" : "&Stapel:";
    f.lblantwort.caption = "A&ntwortsprache:";
    f.cmdimport.caption = "&Importieren...";
    f.cmdimport.tooltip = "Die Karten als neue Lerndatei speichern";
    f.cmdcancel.caption = "&Abbrechen";
    f.cmdcancel.tooltip = "Es wird keine Datei geschrieben";
    choose(app, f, false);
    f.cmdimport.focusRequested = true;
}

void cbowahl_Click(FilesContext& app, DeckImportWindowModel& f) {
    if (!validChoice(f.cbowahl)) return;
    if (f.deck.choiceKind == DeckChoiceKind::Stapel) {
        f.options.stapel = f.cbowahl.value == 0 ? "" : f.cbowahl.items[f.cbowahl.value];
        choose(app, f, false);
        return;
    }
    chooseLanguage(f.cbowahl.value, f.options.frageSprache, f.options.antwortSprache);
    choose(app, f, true);
}

void cboantwort_Click(FilesContext& app, DeckImportWindowModel& f) {
    if (!validChoice(f.cboantwort)) return;
    chooseLanguage(f.cboantwort.value, f.options.antwortSprache, f.options.frageSprache);
    choose(app, f, true);
}

void cmdimport_Click(FilesContext& app, DeckImportWindowModel& f) {
    FileDialog dialog;
    dialog.title = "Lerndatei erzeugen und abspeichern unter:";
    dialog.filter = "Lerndatei(*.ldt)|*.ldt";
    dialog.initialFolder = GetPathOrFileName(f.pfad, true);
    std::string name = GetPathOrFileName(f.pfad, false);
    name = name.substr(0, name.find('.'));
    dialog.fileName = name;
    dialog.overwritePrompt = true;
    dialog.defaultSuffix = "ldt";
    const auto chosen = app.onTopBracket([&] { return app.platform.saveFileDialog(dialog); });
    if (!chosen || chosen->empty()) return;
    const std::string target = withSetExtension(*chosen);
    DeckImportReport report;
    const FileError error = [&] {
        const BusyPointer busy(app.platform);
        return writeDeckSets(f.gewaehlt, target, app.platform.today(), report);
    }();
    if (error) {
        app.msgBox(cannotWriteText(error), kTitle, Buttons::OK, Icon::Critical);
        return;
    }
    app.msgBox(deckReportText(report), kTitle, Buttons::OK, Icon::Information);
    f.importPfad = target;
    close(f);
}

void cmdcancel_Click(DeckImportWindowModel& f) {
    f.importPfad.clear();
    close(f);
}

}  // namespace memvalo
