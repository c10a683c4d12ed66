#pragma once
// The closing-speed window `frmzeit`: how fast the colour fade at program end runs.
#include <string>

#include "files/files_context.h"
#include "model/window_model.h"

namespace memvalo {

class FrmZeitModel : public WindowModel {
  public:
    FrmZeitModel();

    Control& me = add("frmzeit", ControlKind::Form);
    Control& Label1 = add("Label1", ControlKind::Label);  // "schnell", at the left end
    // Its left end is the largest delay: big colour steps make a fast fade.
    Control& scrollzeit = add("scrollzeit", ControlKind::ScrollBar);
    Control& Label2 = add("Label2", ControlKind::Label);  // "langsam", at the right end
    Control& lblwert = add("lblwert", ControlKind::Label);
    Control& txtinfo = add("txtinfo", ControlKind::TextBox);
    Control& cmdzeitzurück = add("cmdzeitzurück", ControlKind::Button);
};

void frmzeit_Load(FilesContext& app, FrmZeitModel& f);
void scrollzeit_Change(FilesContext& app, FrmZeitModel& f);
void cmdzeitzurück_Click(FrmZeitModel& f);

// The delay as the window shows it: a thousandth of it, with a decimal comma ("1,5").
std::string delayText(double delay);

// The menu command "Abspanngeschwindigkeit": the window inside the on-top bracket.
void mnuabspann_Click(FilesContext& app);

}  // namespace memvalo
