#include "cli/deck_command.h"

#include <charconv>
#include <ostream>

#include "core/set_files.h"
#include "exchange/deck_module.h"
#include "exchange/deck_set_writer.h"
#include "exchange/import_refusal.h"

namespace memvalo {

const char* const kDeckImportUsage =
    "Aufruf: memvalo-cli import KARTEI NEU.ldt [--stapel NAME] [--sprachen F,A]\n";

namespace {

struct UsageError {
    std::string reason;
};

int languageNumber(const std::string& text) {
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) {
        throw UsageError{"Keine Sprachnummer: \"" + text + "\""};
    }
    return value;
}

DeckOptions parseOptions(const std::vector<std::string>& args) {
    if (args.size() < 2) throw UsageError{"Kartei und neue Lerndatei fehlen"};
    DeckOptions options;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option != "--stapel" && option != "--sprachen") {
            throw UsageError{"Unbekannte Option: " + option};
        }
        if (i + 1 >= args.size()) throw UsageError{"Zur Option " + option + " fehlt der Wert"};
        const std::string& value = args[++i];
        if (option == "--stapel") {
            options.stapel = value;
            continue;
        }
        const std::size_t comma = value.find(',');
        if (comma == std::string::npos) throw UsageError{"--sprachen braucht zwei Nummern: F,A"};
        options.frageSprache = languageNumber(value.substr(0, comma));
        options.antwortSprache = languageNumber(value.substr(comma + 1));
    }
    return options;
}

}  // namespace

int importDeck(App& app, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    DeckOptions options;
    try {
        options = parseOptions(args);
    } catch (const UsageError& e) {
        err << e.reason << ".\n" << kDeckImportUsage;
        return 2;
    }
    const std::string& file = args[0];
    Deck deck;
    try {
        deck = readDeckFile(file, options);
    } catch (const ImportRefusal& refusal) {
        err << refusalText(file, refusal.what()) << '\n';
        return 1;
    }
    DeckImportReport report;
    if (const FileError error =
            writeDeckSets(deck, withSetExtension(args[1]), app.platform.today(), report)) {
        err << cannotWriteText(error) << '\n';
        return 1;
    }
    out << deckReportText(report) << '\n';
    return 0;
}

}  // namespace memvalo
