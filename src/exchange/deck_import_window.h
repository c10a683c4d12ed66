#pragma once
// The window `frmfremd` between choosing a deck of another program and saving it as a new
// learning set: what was found (format, cards, cards per box, the first three cards), the choice
// of deck or languages, then "Importieren..." asks for the new set's name, writes it and reports.
#include <string>

#include "exchange/deck.h"
#include "files/files_context.h"
#include "model/window_model.h"

namespace memvalo {

class DeckImportWindowModel : public WindowModel {
  public:
    Control& me = add("frmfremd", ControlKind::Form);
    Control& lblformat = add("lblformat", ControlKind::Label);
    Control& lblanzahl = add("lblanzahl", ControlKind::Label);
    Control& lblkaesten = add("lblkaesten", ControlKind::Label);
    Control& lblwahl = add("lblwahl", ControlKind::Label);
    Control& cbowahl = add("cbowahl", ControlKind::ComboBox);
    Control& lblantwort = add("lblantwort", ControlKind::Label);
    Control& cboantwort = add("cboantwort", ControlKind::ComboBox);
    Control& lblvorschau = add("lblvorschau", ControlKind::Label);
    Control& cmdimport = add("cmdimport", ControlKind::Button);
    Control& cmdcancel = add("cmdcancel", ControlKind::Button);

    // The deck file and what it gave with the current choice.
    std::string pfad;
    Deck deck;
    DeckOptions options;
    // The deck with the chosen cards only.
    Deck gewaehlt;
    // The set the main window opens after the window has closed; empty after "Abbrechen".
    std::string importPfad;
};

// Reads the deck at f.pfad; false (after a message naming the file and the reason) when it
// is refused.
bool leseKartei(FilesContext& app, DeckImportWindowModel& f);
void frmfremd_Load(FilesContext& app, DeckImportWindowModel& f);
// The deck of the package chosen in the list ("alle" first), or the question language.
void cbowahl_Click(FilesContext& app, DeckImportWindowModel& f);
// The answer language chosen in the list.
void cboantwort_Click(FilesContext& app, DeckImportWindowModel& f);
void cmdimport_Click(FilesContext& app, DeckImportWindowModel& f);
void cmdcancel_Click(DeckImportWindowModel& f);

}  // namespace memvalo
