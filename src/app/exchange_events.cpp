#include "app/exchange_events.h"

#include <string>

#include "app/app.h"
#include "exchange/csv_import_command.h"
#include "exchange/deck_import_command.h"
#include "exchange/export_command.h"

namespace memvalo {

namespace {

// An unexpected fault ends the command with a word about it; what was written stays.
void tellFault(App& app, std::string_view what) {
    app.msgBox(
        "Der Befehl wurde wegen eines unerwarteten Fehlers abgebrochen:\r" + std::string(what),
        App::kTitle, Buttons::OK, Icon::Critical);
}

}  // namespace

void registerExchangeEvents(EventTable& table) {
    table.onClick("mnucsvimport", mnucsvimport_Click, tellFault);
    table.onClick("mnufremdimport", mnufremdimport_Click, tellFault);
    table.onClick("mnuexporttext", mnuexporttext_Click, tellFault);
}

}  // namespace memvalo
