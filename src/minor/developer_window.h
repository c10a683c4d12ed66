#pragma once
// The developer window `frmdebug` ("Überwachung"): the fill counts and capacities of the five
// boxes, the learning set and the screen size, refreshed while it is open.
#include <string>

#include "files/files_context.h"
#include "model/window_model.h"

namespace memvalo {

class FrmDebugModel : public WindowModel {
  public:
    FrmDebugModel();

    Control& me = add("frmdebug", ControlKind::Form);
    // Box 1 to 5: its fill count and its capacity.
    ControlArray<5> lblanzahl{controls_, "lblanzahl", ControlKind::Label, 1};
    ControlArray<5> lblsoll{controls_, "lblsoll", ControlKind::Label, 1};
    Control& lbldatei = add("lbldatei", ControlKind::Label);
    Control& lblbildschirm = add("lblbildschirm", ControlKind::Label);
};

// Places the window at the main window's upper right corner, where it hides least of the card.
void frmdebug_Load(const FilesContext& app, FrmDebugModel& f);
// The timer's tick: the labels show the program's values as they are now.
void frmdebug_Timer(const FilesContext& app, FrmDebugModel& f);

}  // namespace memvalo
