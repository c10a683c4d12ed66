#pragma once
// Which event procedure answers which event of which control. Every subsystem registers its
// procedures here; the front end forwards each event by control name and event name.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "model/control.h"

namespace memvalo {

class App;

struct UiEvent {
    std::string control;  // "cmdrichtig", "mnukk(2)", "frm1"
    std::string name;     // "Click", "Change", "KeyPress", "KeyDown", "MouseDown", "Resize",
                          // "QueryUnload"
    int key = 0;          // key code of a key event; a handler may set it to 0 to drop the key
    int button = 0;       // mouse button: 1 left, 2 right
    int shift = 0;        // 1 Shift, 2 Ctrl, 4 Alt
    int unloadMode = 0;   // why the window is asked to close: 0 close symbol, 1 by the program
    bool cancel = false;  // set by a handler to refuse a close request
};

using EventHandler = std::function<void(App&, UiEvent&)>;

// What the learner learns of an unexpected fault that ends an event procedure: given the
// fault's description, it may show a message. Empty: the procedure ends silently, as window
// commands do. What the procedure did before the fault stays done.
using FaultPolicy = std::function<void(App&, std::string_view what)>;

// The description of a fault that brings none of its own.
inline constexpr std::string_view kUnknownFault = "Unbekannter Fehler";

class EventTable {
  public:
    void add(const std::string& control, const std::string& event, EventHandler handler,
             FaultPolicy onFault = {}) {
        handlers_[{control, event}] = {std::move(handler), std::move(onFault)};
    }
    // Convenience for the many procedures that need only the App.
    void onClick(const std::string& control, std::function<void(App&)> procedure,
                 FaultPolicy onFault = {}) {
        add(
            control, "Click",
            [procedure = std::move(procedure)](App& app, UiEvent&) { procedure(app); },
            std::move(onFault));
    }
    // Runs the procedure; a fault that ends it goes to the event's policy and no further.
    // False when no procedure answers the event.
    bool dispatch(App& app, UiEvent& event) const;
    bool handles(const std::string& control, const std::string& event) const {
        return handlers_.count({control, event}) > 0;
    }
    // Dispatches the event, then the Change event of every text box among `controls` whose
    // text the procedure changed: a text box reports each change of its text, whether typed or
    // put there by the program. False when no procedure answers the event itself.
    bool run(App& app, ControlMap& controls, UiEvent& event) const;

    // Puts wrap(handler) in place of every procedure, each keeping its fault policy: for
    // trying what becomes of faults.
    void wrapEach(const std::function<EventHandler(EventHandler)>& wrap);

  private:
    struct Entry {
        EventHandler handler;
        FaultPolicy onFault;
    };
    std::map<std::pair<std::string, std::string>, Entry> handlers_;
};

}  // namespace memvalo
