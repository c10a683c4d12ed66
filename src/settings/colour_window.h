#pragma once
// The colour window `frmfarb`: nine buttons choose the user colours, sample controls show
// them, and in the gradient scheme four scroll bars set the gradient with a live preview.
#include <array>
#include <string>

#include "model/window_model.h"
#include "settings/settings_context.h"

namespace memvalo {

class ColourWindowModel : public WindowModel {
  public:
    Control& me = add("frmfarb", ControlKind::Form);
    ControlArray<9> cmdauswahl{controls_, "cmdauswahl", ControlKind::Button, 0};
    Control& cmdfarbende = add("cmdfarbende", ControlKind::Button);
    Control& mnuzurück = add("mnuzurück", ControlKind::Menu);
    // Samples of the user colours.
    Control& cmdbeispiel = add("cmdbeispiel", ControlKind::Button);
    Control& txtbeispiel = add("txtbeispiel", ControlKind::TextBox);
    Control& lblflach = add("lblflach", ControlKind::Label);
    Control& lblerhaben = add("lblerhaben", ControlKind::Label);
    // The gradient controls.
    Control& scrollred = add("scrollred", ControlKind::ScrollBar);
    Control& scrollgreen = add("scrollgreen", ControlKind::ScrollBar);
    Control& scrollblue = add("scrollblue", ControlKind::ScrollBar);
    Control& scrollrichtung = add("scrollrichtung", ControlKind::ScrollBar);
    Control& lblred = add("lblred", ControlKind::Label);
    Control& lblgreen = add("lblgreen", ControlKind::Label);
    Control& lblblue = add("lblblue", ControlKind::Label);
    Control& lblrichtung = add("lblrichtung", ControlKind::Label);
    Control& imgrichtung = add("imgrichtung", ControlKind::Image);

    // Red, green, blue and direction, in the order of the gradient parameters.
    std::array<Control*, 4> scrollBars() {
        return {&scrollred, &scrollgreen, &scrollblue, &scrollrichtung};
    }
};

// Where the controls of the colour window lie (twips) and its size.
void applyColourWindowLayout(ColourWindowModel& f);
void frmfarb_Load(SettingsContext& app, ColourWindowModel& f);
void zuweisung(SettingsContext& app, ColourWindowModel& f);
void cmdauswahl_Click(SettingsContext& app, ColourWindowModel& f, int index);
// A scroll bar moved: index 0 red, 1 green, 2 blue, 3 direction.
void scroll_Change(SettingsContext& app, ColourWindowModel& f, int index);
void cmdfarbende_Click(ColourWindowModel& f);

// Whether the window previews the gradient on itself.
bool previewsGradient(const SettingsContext& app);

// The icon file of a gradient direction 1..4.
std::string directionIcon(const SettingsContext& app, int direction);

}  // namespace memvalo
