#pragma once
// Scaling of a window's layout: the designed geometry of every control is recorded once, and
// each resize moves and stretches the controls in proportion to the window; fonts follow the
// smaller of the two proportions.
#include <map>
#include <memory>
#include <string>

#include "model/control.h"

namespace memvalo {

// The recorded window size (twips).
class clsForm {
  public:
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
};

// How a control is rescaled.
enum ResizeOptions : int {
    kScaleAll = 0,         // position and size
    kKeepWidth = 1,        // position and height
    kKeepHeight = 2,       // position and width
    kKeepWidthHeight = 3,  // position only
};

class clsControl {
  public:
    int Tag = 0;
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
    int ResizeOption = kScaleAll;
    std::string Name;
    float fontsize = 0;
    bool FontSizing = true;
};

// The recorded controls by key: the control's name followed by its index in its array.
class col_Controls {
  public:
    clsControl& Add(int lTop, int lLeft, int lWidth, int lHeight, const std::string& sName,
                    float iFontSize);
    // Throws std::out_of_range for an unknown key.
    clsControl& Item(const std::string& ItemName) { return items_.at(ItemName); }
    const clsControl* find(const std::string& key) const;
    int Count() const { return static_cast<int>(items_.size()); }

  private:
    std::map<std::string, clsControl> items_;
};

class clsResize {
  public:
    // The window to manage: its own state and its controls.
    void oForm(Control& form, ControlMap& controls) {
        form_ = &form;
        controls_ = &controls;
    }
    void Initialize();
    void DoResize();
    void ResizeOption(const std::string& xControl, int iResizeOption = kScaleAll,
                      bool bFontSizing = true);

    float ScaleMinMax = 0;  // tolerance in percent
    const clsForm& recordedForm() const { return form; }
    col_Controls& recorded() { return controls; }

  private:
    static double Min(double a, double b) { return a <= b ? a : b; }

    Control* form_ = nullptr;
    ControlMap* controls_ = nullptr;
    clsForm form;
    col_Controls controls;
};

// The key of a control: "lblazist(0)" becomes "lblazist0".
std::string controlKey(const std::string& name);

// Whether a control of that kind takes part in the layout (menus and the tray do not).
bool isLaidOut(const Control& control);

}  // namespace memvalo
