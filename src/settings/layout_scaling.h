#pragma once
// Scaling of a window's layout: the designed geometry of every control is recorded once, and
// each resize moves and stretches the controls in proportion to the window; fonts follow the
// smaller of the two proportions.
#include <map>
#include <string>

#include "model/control.h"

namespace memvalo {

// The recorded window size (twips).
class clsForm {
  public:
    int Width = 0;
    int Height = 0;
};

// A control's recorded position, size and font size; every control scales in all of them.
class clsControl {
  public:
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
    std::string Name;
    float fontsize = 0;
};

// The recorded controls by key: the control's name followed by its index in its array.
class col_Controls {
  public:
    void Add(int lTop, int lLeft, int lWidth, int lHeight, const std::string& sName,
             float iFontSize);
    const clsControl* find(const std::string& key) const;

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
