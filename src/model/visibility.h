#pragma once
// Showing or hiding several controls at once.
#include <initializer_list>

#include "model/control.h"

namespace memvalo {

inline void setVisible(std::initializer_list<Control*> controls, bool visible) {
    for (Control* c : controls) c->visible = visible;
}

}  // namespace memvalo
