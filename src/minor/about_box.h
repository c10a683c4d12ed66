#pragma once
// The about box `frminfo`: the version, the short manual and the way to the maker's home page.
#include <string>

#include "files/files_context.h"
#include "model/window_model.h"

namespace memvalo {

class FrmInfoModel : public WindowModel {
  public:
    FrmInfoModel();

    Control& me = add("frminfo", ControlKind::Form);
    Control& lblversion = add("lblversion", ControlKind::Label);
    Control& txtinfo = add("txtinfo", ControlKind::TextBox);
    // The two link labels: the maker and the home page.
    Control& lblcopy = add("lblcopy", ControlKind::Label);
    Control& lblhomepage = add("lblhomepage", ControlKind::Label);
    Control& cmdinfoend = add("cmdinfoend", ControlKind::Button);
};

// The short manual.
inline constexpr int kShortManual = 101;

// The text of a shipped text resource, decoded from its Windows-1252 bytes; a note naming the
// file when it is missing.
std::string LoadRTFFromRes(const FilesContext& app, int id);

void frminfo_Load(FilesContext& app, FrmInfoModel& f);
// Either link label opens the home page.
void lblhomepage_Click(FilesContext& app);
void cmdinfoend_Click(FrmInfoModel& f);

// The menu command "Über...": the about box inside the on-top bracket.
void mnuüber_Click(FilesContext& app);

}  // namespace memvalo
