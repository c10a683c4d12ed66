#pragma once
// The window `frmsuche` ("Karten suchen"): a search field that filters as the learner types,
// a check box per box, the hits in a table sortable by each column, the chosen card with its
// picture, and the changes to it where it stands. It is modal, so the main window never shows
// a set other than the one the search changes.
#include <array>
#include <string>
#include <vector>

#include "core/card_fields.h"
#include "model/window_model.h"
#include "study/card_in_place.h"
#include "study/card_search.h"
#include "study/study_context.h"

namespace memvalo {

class CardSearchWindowModel : public WindowModel {
  public:
    CardSearchWindowModel();

    Control& me = add("frmsuche", ControlKind::Form);
    Control& lblsuche = add("lblsuche", ControlKind::Label);
    Control& txtsuche = add("txtsuche", ControlKind::TextBox);
    ControlArray<5> chkkasten{controls_, "chkkasten", ControlKind::CheckBox, 0};
    Control& lbltreffer = add("lbltreffer", ControlKind::Label);
    // The chosen card's texts, named as in the main window, with their captions, and its
    // picture.
    ControlArray<4> lblfeld{controls_, "lblfeld", ControlKind::Label, 0};
    std::array<Control*, kCardFieldCount> txtfeld{};
    Control& bildbox = add("bildbox", ControlKind::Image);
    Control& lblmedium = add("lblmedium", ControlKind::Label);
    Control& cmdbearbeiten = add("cmdbearbeiten", ControlKind::Button);
    Control& cmdübernehmen = add("cmdübernehmen", ControlKind::Button);
    Control& cmdverwerfen = add("cmdverwerfen", ControlKind::Button);
    Control& cmdbild = add("cmdbild", ControlKind::Button);
    Control& cmdbildweg = add("cmdbildweg", ControlKind::Button);
    Control& cmdlöschen = add("cmdlöschen", ControlKind::Button);
    Control& cmdkasten1 = add("cmdkasten1", ControlKind::Button);
    Control& cmddoppelt = add("cmddoppelt", ControlKind::Button);
    Control& cmdschließen = add("cmdschließen", ControlKind::Button);

    // Where the results table lies (twips); the front end draws it from the rows below.
    Geometry tabelle;

    // Every card folded once when the window opens and after each change.
    CardIndex index;
    // The rows shown, as indexes into index.rows(), and the chosen one of them (-1: none).
    std::vector<int> treffer;
    int auswahl = -1;
    // The column sorted by (-1: box and position order) and its direction.
    int sortSpalte = -1;
    bool aufsteigend = true;
    // While the duplicate questions are listed instead of the hits: the group number of each
    // row shown.
    bool doppelte = false;
    std::vector<int> gruppe;
    // The medium of the card being edited.
    std::string medium;

    bool editing() const { return cmdübernehmen.visible; }
    // The chosen card's place; box 0 when none is chosen.
    CardPlace chosenPlace() const;
};

// Opens the window with every box chosen; at a card, that card is chosen (box 0: none).
void frmsuche_Load(StudyContext& app, CardSearchWindowModel& f, CardPlace at = {});
void txtsuche_Change(StudyContext& app, CardSearchWindowModel& f);
void chkkasten_Click(StudyContext& app, CardSearchWindowModel& f, int index);
// A row of the table (0-based) is chosen.
void grdtreffer_Select(StudyContext& app, CardSearchWindowModel& f, int row);
// A click on a column heading sorts by it, a second one the other way round.
void grdtreffer_HeaderClick(StudyContext& app, CardSearchWindowModel& f, int column);
void cmdbearbeiten_Click(CardSearchWindowModel& f);
void cmdübernehmen_Click(StudyContext& app, CardSearchWindowModel& f);
void cmdverwerfen_Click(StudyContext& app, CardSearchWindowModel& f);
void cmdbild_Click(StudyContext& app, CardSearchWindowModel& f);
void cmdbildweg_Click(StudyContext& app, CardSearchWindowModel& f);
void cmdlöschen_Click(StudyContext& app, CardSearchWindowModel& f);
void cmdkasten1_Click(StudyContext& app, CardSearchWindowModel& f);
void cmddoppelt_Click(StudyContext& app, CardSearchWindowModel& f);
// Closing asks whether an edit not yet taken over is to be taken over.
void cmdschließen_Click(StudyContext& app, CardSearchWindowModel& f);

}  // namespace memvalo
