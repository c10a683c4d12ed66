#include "core/error_guard.h"

#include <exception>
#include <string>
#include <system_error>

#include "core/runtime_error.h"
#include "model/events.h"

namespace memvalo {

namespace {

ErrorReport describe(std::string_view module, std::string_view procedure) {
    ErrorReport report{std::string(module), std::string(procedure), 0, {}};
    try {
        throw;
    } catch (const RuntimeError& e) {
        report.number = e.number();
        report.description = e.what();
        report.line = e.line();
    } catch (const std::system_error& e) {
        report.number = e.code().value();
        report.description = e.what();
    } catch (const std::exception& e) {
        report.description = e.what();
    } catch (...) {
        report.description = kUnknownFault;
    }
    return report;
}

}  // namespace

bool ProcedureGuard::step(const std::function<void()>& body) {
    while (!left_) {
        try {
            body();
            return true;
        } catch (...) {
            const ErrorReport report = describe(module_, procedure_);
            switch (app_.onTopBracket([&] { return app_.platform.reportError(report); })) {
                case ErrorChoice::Retry:
                    continue;
                case ErrorChoice::Skip:
                    return false;
                case ErrorChoice::End:
                    app_.endRequested = true;
                    left_ = true;
                    break;
                case ErrorChoice::Leave:
                    left_ = true;
                    break;
            }
        }
    }
    return false;
}

bool guarded(Session& app, std::string_view procedure, const std::function<void()>& body,
             std::string_view module) {
    return ProcedureGuard(app, procedure, module).step(body);
}

}  // namespace memvalo
