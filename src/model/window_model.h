#pragma once
// What every window model shares: its controls by name. A window declares each control as a
// named reference into this map, made by add(); the map is built before them, as a base.
#include <string>

#include "model/control.h"

namespace memvalo {

class WindowModel {
  public:
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    ControlMap& controls() { return controls_; }
    const ControlMap& controls() const { return controls_; }

  protected:
    WindowModel() = default;
    ~WindowModel() = default;

    Control& add(const std::string& name, ControlKind kind) {
        Control& c = controls_[name];
        c.kind = kind;
        return c;
    }

    ControlMap controls_;
};

}  // namespace memvalo
