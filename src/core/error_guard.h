#pragma once
// The boundary of a core procedure: an exception from one of its steps goes to the error
// window with the module and procedure names, and the user's choice decides how the run goes
// on: retry runs the step again, skip goes on with the next step, leave ends the procedure with
// what it had done, and end leaves it too and ends the program once the running command is
// over, after the question whether to save.
#include <functional>
#include <string>
#include <string_view>

#include "core/session.h"

namespace memvalo {

class ProcedureGuard {
  public:
    ProcedureGuard(Session& app, std::string_view procedure, std::string_view module = "Module1")
        : app_(app), procedure_(procedure), module_(module) {}

    // Runs one step; true when it ran to its end. After a skip the procedure goes on with its
    // next step; once left() the procedure ends, and further steps are not run.
    bool step(const std::function<void()>& body);
    bool left() const { return left_; }

  private:
    Session& app_;
    std::string procedure_;
    std::string module_;
    bool left_ = false;
};

// A procedure of one step. Returns true when the body ran to its end.
bool guarded(Session& app, std::string_view procedure, const std::function<void()>& body,
             std::string_view module = "Module1");

}  // namespace memvalo
