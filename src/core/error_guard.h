#pragma once
// The boundary of a core procedure: an exception from its body goes to the error window with
// the module and procedure names, and the user's choice decides how the run goes on.
#include <functional>
#include <string_view>

#include "core/app.h"

namespace memvalo {

// Retry runs the body again; Skip and Leave end the procedure; End closes every window.
// Returns true when the body ran to its end.
bool guarded(App& app, std::string_view procedure, const std::function<void()>& body,
             std::string_view module = "Module1");

}  // namespace memvalo
