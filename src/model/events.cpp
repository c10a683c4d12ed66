#include "model/events.h"

#include <exception>
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

// The fault's description for the policy; a fault while telling of it ends quietly, so that
// nothing runs on into the window system.
void applyPolicy(App& app, const FaultPolicy& onFault) {
    if (!onFault) return;
    std::string what(kUnknownFault);
    try {
        throw;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    try {
        onFault(app, what);
    } catch (...) {
    }
}

}  // namespace

bool EventTable::dispatch(App& app, UiEvent& event) const {
    const auto it = handlers_.find({event.control, event.name});
    if (it == handlers_.end()) return false;
    try {
        it->second.handler(app, event);
    } catch (...) {
        applyPolicy(app, it->second.onFault);
    }
    return true;
}

void EventTable::wrapEach(const std::function<EventHandler(EventHandler)>& wrap) {
    for (auto& [key, entry] : handlers_) entry.handler = wrap(std::move(entry.handler));
}

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
