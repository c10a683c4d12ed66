#pragma once
// One real widget per model control, and the copying of a control's state onto its widget
// (and of typed text back into the control). Shared by every window of the program.
#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/control.h"

namespace memvalo {

// The widget for a control, by its kind; nullptr for kinds that are not widgets (menus, the
// window itself, the tray icon). multiLine: a text box that holds several lines.
QWidget* createControlWidget(const std::string& name, const Control& control, QWidget* parent,
                             bool multiLine);

// The colours a window paints beneath a place of it (a rectangle in the coordinates of the
// controls' parent): one colour, or the colours at both ends of a gradient's run over it.
using Backdrop = std::function<std::vector<QColor>(const QRect&)>;

// Applies the control's state to its widget. Signals are blocked meanwhile, so applying never
// fires an event; a focus request is carried out and cleared. Texts are drawn in an ink that
// reads on their background, for a control without a background of its own on the backdrop;
// a label's font shrinks until its caption shows whole.
void applyControl(Control& control, QWidget* widget, const Backdrop& backdrop);

// The palette of a text without a background of its own: `ink` (the platform's when unset),
// made readable on the backdrop beneath the widget.
void applyFlatInk(QWidget* widget, std::optional<std::uint32_t> ink, const Backdrop& backdrop);

// Copies what the user typed into the control. True when the text differed.
bool readBackControl(Control& control, QWidget* widget);

}  // namespace memvalo
