#pragma once
// The export window `frmexport`: the format, the boxes and fields of the plain formats, the
// options of the HTML page, and the command that writes the file.
#include <string>
#include <string_view>
#include <vector>

#include "core/card_fields.h"
#include "exchange/exchange_format.h"
#include "files/files_context.h"
#include "model/window_model.h"

namespace memvalo {

class ExportWindowModel : public WindowModel {
  public:
    Control& me = add("frmexport", ControlKind::Form);
    // One option per export format, in the order of the table.
    std::vector<Control*> formatOptions = addFormatOptions();
    Control& frkastwahl = add("frkastwahl", ControlKind::Frame);
    ControlArray<5> chkkasten{controls_, "chkkasten", ControlKind::CheckBox, 0};
    Control& chkallekästen = add("chkallekästen", ControlKind::CheckBox);
    Control& frfelder = add("frfelder", ControlKind::Frame);
    ControlArray<static_cast<int>(kCardFieldCount)> chkfelder{controls_, "chkfelder",
                                                              ControlKind::CheckBox, 0};
    Control& chkallefelder = add("chkallefelder", ControlKind::CheckBox);
    Control& frmhtml = add("frmhtml", ControlKind::Frame);
    Control& optfa = add("optfa", ControlKind::Option);
    Control& optaf = add("optaf", ControlKind::Option);
    Control& chkwiederholen = add("chkwiederholen", ControlKind::CheckBox);
    Control& chkabsatz = add("chkabsatz", ControlKind::CheckBox);
    Control& cmdexport = add("cmdexport", ControlKind::Button);
    Control& cmdcancel = add("cmdcancel", ControlKind::Button);

  private:
    std::vector<Control*> addFormatOptions();
};

// The frame a control of the window lies in; empty for those on the window itself. Their
// places are given within the frame.
std::string_view frameOf(std::string_view control);

void frmexport_Load(FilesContext& app, ExportWindowModel& f);
// One of the format options was chosen.
void optformat_Click(FilesContext& app, ExportWindowModel& f);
void chkallekästen_Click(ExportWindowModel& f);
void chkallefelder_Click(ExportWindowModel& f);
void chkwiederholen_Click(FilesContext& app, ExportWindowModel& f);
void chkabsatz_Click(FilesContext& app, ExportWindowModel& f);
void cmdexport_Click(FilesContext& app, ExportWindowModel& f);
void cmdcancel_Click(ExportWindowModel& f);

// The format whose option is chosen, and what the other choices ask for.
const ExchangeFormat& chosenFormat(const ExportWindowModel& f);
ExportChoice exportChoiceOf(const ExportWindowModel& f);

}  // namespace memvalo
