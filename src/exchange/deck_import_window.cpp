#include "exchange/deck_import_window.h"

#include <algorithm>

#include "core/busy_pointer.h"
#include "core/paths.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/utf8.h"
#include "exchange/deck_reader.h"
#include "exchange/deck_set_writer.h"
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
    place(f.lblwahl, 12, 90, 280, 34);
    place(f.cmdwahl, 300, 90, 120, 32);
    place(f.cmdantwortwahl, 428, 90, 120, 32);
    place(f.lblvorschau, 12, 132, 536, 194);
    place(f.cmdimport, 294, 338, 130, 34);
    place(f.cmdcancel, 432, 338, 116, 34);
}

std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? ' ' : c;
    return utf8::length(out) > 60 ? utf8::left(out, 57) + "..." : out;
}

std::string language(const Deck& deck, int index) {
    const auto i = static_cast<std::size_t>(index);
    return i < deck.choices.size() ? deck.choices[i] : std::to_string(index);
}

void showChoice(DeckImportWindowModel& f) {
    const Deck& d = f.deck;
    f.cmdwahl.visible = d.choices.size() > 1;
    f.cmdantwortwahl.visible = d.choiceKind == DeckChoiceKind::Sprachen && d.choices.size() > 1;
    switch (d.choiceKind) {
        case DeckChoiceKind::Stapel:
            f.lblwahl.caption =
                "Stapel: " + (f.options.stapel.empty() ? std::string(kAlle) : f.options.stapel);
            break;
        case DeckChoiceKind::Sprachen:
            f.lblwahl.caption = "Frage: " + language(d, f.options.frageSprache) +
                                "\rAntwort: " + language(d, f.options.antwortSprache);
            break;
        case DeckChoiceKind::None:
            f.lblwahl.caption.clear();
            f.cmdwahl.visible = false;
            break;
    }
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

int nextLanguage(int current, int other, int count) {
    int next = (current + 1) % count;
    if (next == other) next = (next + 1) % count;
    return next;
}

void close(DeckImportWindowModel& f) {
    f.me.visible = false;
}

}  // namespace

bool leseKartei(FilesContext& app, DeckImportWindowModel& f) {
    try {
        const BusyPointer busy(app.platform);
        f.deck = readDeck(f.pfad, {"", f.options.frageSprache, f.options.antwortSprache});
        return true;
    } catch (const ImportRefusal& refusal) {
        app.msgBox(refusalText(f.pfad, refusal.what()), kTitle, Buttons::OK, Icon::Critical);
        return false;
    }
}

void frmfremd_Load(FilesContext& app, DeckImportWindowModel& f) {
    applyLayout(app, f);
    f.me.caption = std::string(kTitle);
    f.cmdwahl.caption =
        f.deck.choiceKind == DeckChoiceKind::Sprachen ? "&Fragesprache" : "Anderer &Stapel";
    f.cmdantwortwahl.caption = "A&ntwortsprache";
    f.cmdimport.caption = "&Importieren...";
    f.cmdimport.tooltip = "Die Karten als neue Lerndatei speichern";
    f.cmdcancel.caption = "&Abbrechen";
    f.cmdcancel.tooltip = "Es wird keine Datei geschrieben";
    choose(app, f, false);
    f.cmdimport.focusRequested = true;
}

void cmdwahl_Click(FilesContext& app, DeckImportWindowModel& f) {
    const auto count = static_cast<int>(f.deck.choices.size());
    if (count < 2) return;
    if (f.deck.choiceKind == DeckChoiceKind::Stapel) {
        const auto& c = f.deck.choices;
        const auto at = std::find(c.begin(), c.end(), f.options.stapel);
        // "alle" comes before the first deck and after the last one.
        f.options.stapel = at == c.end() ? c.front() : (at + 1 == c.end() ? "" : *(at + 1));
        choose(app, f, false);
        return;
    }
    f.options.frageSprache = nextLanguage(f.options.frageSprache, f.options.antwortSprache, count);
    choose(app, f, true);
}

void cmdantwortwahl_Click(FilesContext& app, DeckImportWindowModel& f) {
    const auto count = static_cast<int>(f.deck.choices.size());
    if (count < 2) return;
    f.options.antwortSprache =
        nextLanguage(f.options.antwortSprache, f.options.frageSprache, count);
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
