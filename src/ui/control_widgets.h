#pragma once
// One real widget per model control, and the copying of a control's state onto its widget
// (and of typed text back into the control). Shared by every window of the program.
#include <QWidget>
#include <string>

#include "model/control.h"

namespace memvalo {

inline constexpr int kTwipsPerPx = 15;

// The widget for a control, by its kind; nullptr for kinds that are not widgets (menus, the
// window itself, the tray icon). multiLine: a text box that holds several lines.
QWidget* createControlWidget(const std::string& name, const Control& control, QWidget* parent,
                             bool multiLine);

// Applies the control's state to its widget. Signals are blocked meanwhile, so applying never
// fires an event; a focus request is carried out and cleared.
void applyControl(Control& control, QWidget* widget);

// Copies what the user typed into the control. True when the text differed.
bool readBackControl(Control& control, QWidget* widget);

}  // namespace memvalo
