#include "model/events.h"

#include <vector>

namespace memvalo {

namespace {

// A Change procedure may change its field again (a conversion does); it settles after a few
// rounds, and a procedure that never settles must not hang the window.
constexpr int kChangeRounds = 4;

std::map<std::string, std::string> textsOf(const ControlMap& controls) {
    std::map<std::string, std::string> texts;
    for (const auto& [name, control] : controls) {
        if (control.kind == ControlKind::TextBox) texts.emplace(name, control.caption);
    }
    return texts;
}

}  // namespace

bool EventTable::run(App& app, ControlMap& controls, UiEvent& event) const {
    auto before = textsOf(controls);
    const bool handled = dispatch(app, event);
    for (int round = 0; round < kChangeRounds; ++round) {
        std::vector<std::string> changed;
        for (const auto& [name, text] : before) {
            if (controls.at(name).caption != text && handles(name, "Change")) {
                changed.push_back(name);
            }
        }
        if (changed.empty()) break;
        before = textsOf(controls);
        for (const std::string& name : changed) {
            UiEvent change{name, "Change"};
            dispatch(app, change);
        }
    }
    return handled;
}

}  // namespace memvalo
