#include "exchange/exchange_events.h"

#include <exception>
#include <functional>
#include <string>

#include "core/app.h"
#include "exchange/csv_import_command.h"
#include "exchange/deck_import_command.h"
#include "exchange/export_command.h"

namespace memvalo {

namespace {

// An unexpected fault ends the command with a word about it; what was written stays.
std::function<void(App&)> telling(void (*command)(App&)) {
    return [command](App& app) {
        try {
            command(app);
        } catch (const std::exception& e) {
            app.msgBox(std::string("Der Befehl wurde wegen eines unerwarteten Fehlers "
                                   "abgebrochen:\r") +
                           e.what(),
                       App::kTitle, Buttons::OK, Icon::Critical);
        }
    };
}

}  // namespace

void registerExchangeEvents(EventTable& table) {
    table.onClick("mnucsvimport", telling(mnucsvimport_Click));
    table.onClick("mnufremdimport", telling(mnufremdimport_Click));
    table.onClick("mnuexporttext", telling(mnuexporttext_Click));
}

}  // namespace memvalo
