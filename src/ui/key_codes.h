#pragma once
// Keys and mouse buttons in the classic codes the event procedures use.
#include <QKeyEvent>
#include <QMouseEvent>

namespace memvalo {

// The virtual key code of the key (65 for A, 13 for Return, 34 for Page Down ...); 0 when
// the key has none.
int virtualKeyCode(const QKeyEvent& event);
// The character code of a typed key (KeyPress); 0 when the key types nothing.
int characterCode(const QKeyEvent& event);
// 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);
// 1 left, 2 right, 4 middle.
int mouseButton(Qt::MouseButton button);

}  // namespace memvalo
