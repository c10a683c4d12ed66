#pragma once
// What a screen reader hears of the controls whose caption does not say what they are: a
// German name for each, a label that names the field beside it, and a cover that reveals a
// field as it goes.
#include <QWidget>

#include "model/control.h"

namespace memvalo {

// Gives the control's widget its name or its label's field from the one table of them, and
// tells assistive technology what changed: a name that follows the caption ("Kasten 1: 14
// Karten"), and the text of a field whose cover has just gone. wasShown: the widget's
// visibility before this control's state was applied.
void applyAccessibility(const Control& control, QWidget* widget, bool wasShown);

// Names each widget a label of `dialog` stands for, and the field that passes its focus to that
// widget, by the label's text: Qt's font dialog leaves its lists to labels that a screen
// reader does not read for a list.
void nameByLabels(QWidget* dialog);

}  // namespace memvalo
