#pragma once
// The print window `frmprint`: a printer (or "PDF-Datei"), the font size of the card texts and
// one box, printed as folding cards. It can print several boxes one after the other.
#include <memory>
#include <string>
#include <vector>

#include "files/files_context.h"
#include "model/window_model.h"
#include "print/print_source.h"

namespace memvalo {

class PrintWindowModel : public WindowModel {
  public:
    Control& me = add("frmprint", ControlKind::Form);
    Control& Label1 = add("Label1", ControlKind::Label);
    // The caption is the chosen entry of the list.
    Control& Combo1 = add("Combo1", ControlKind::ComboBox);
    Control& Label2 = add("Label2", ControlKind::Label);
    Control& cbfgroeße = add("cbfgroeße", ControlKind::ComboBox);
    Control& Frame1 = add("Frame1", ControlKind::Label);
    ControlArray<5> optkasten{controls_, "optkasten", ControlKind::Option, 1};
    Control& cmdausdruck = add("cmdausdruck", ControlKind::Button);
    Control& Command1 = add("Command1", ControlKind::Button);
    // Tells that the printout shows the set as last saved, while it has changes since.
    Control& lblhinweis = add("lblhinweis", ControlKind::Label);

    // The entries of the two lists.
    std::vector<std::string> printerNames;
    std::vector<std::string> fontSizes;
    // The box chosen, 1..5; 0 before one is chosen.
    int kasten = 0;
    // The boxes as they are printed (see print/print_source.h).
    std::unique_ptr<PrintBoxes> boxes;
};

// Where the controls lie (twips) and the window's size.
void applyPrintWindowLayout(PrintWindowModel& f);
// False when there is nothing the window could print from; the user has been told why.
bool frmprint_Load(FilesContext& app, PrintWindowModel& f);
void optkasten_Click(PrintWindowModel& f, int index);
void cmdausdruck_Click(FilesContext& app, PrintWindowModel& f);
void Command1_Click(PrintWindowModel& f);

// The menu command "Drucken": the print window inside the on-top bracket.
void mnuprint_Click(FilesContext& app);

}  // namespace memvalo
