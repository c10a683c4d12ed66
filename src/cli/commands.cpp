#include "cli/commands.h"

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string_view>

#include "cli/batch_platform.h"
#include "cli/deck_command.h"
#include "cli/exchange_commands.h"
#include "cli/search_command.h"
#include "cli/statistics_command.h"
#include "core/db_update.h"
#include "core/learning_set_reader.h"
#include "core/platte_an_speicher.h"
#include "core/safe_file.h"
#include "core/set_files.h"
#include "core/set_save_transaction.h"
#include "core/speicher_an_platte.h"
#include "core/version.h"

namespace memvalo {

namespace {

constexpr const char* kUsageHead =
    "Aufruf: memvalo-cli BEFEHL [ARGUMENTE]\n"
    "Befehle:\n"
    "  version           zeigt die Programmversion (auch --version, -V)\n"
    "  help              zeigt diese Hilfe (auch --help, -h)\n"
    "  check SET.ldt     liest die Lerndatei und zeigt Füllstand und Kapazität jedes Kastens\n"
    "  resave SET.ldt    liest die Lerndatei und speichert sie sicher neu\n"
    "  convert SET.ldt   wandelt eine Lerndatei des älteren Formats um\n"
    "  statistik SET.ldt zeigt Kästen, Antworten der letzten 7 und 30 Tage, Trefferquote je\n"
    "                    Kasten, Lerntage in Folge und die zehn Problemkarten\n"
    "  import-csv DATEI ZIEL\n"
    "                    wandelt eine Textdatei mit Semikolon oder TAB zwischen den Feldern\n"
    "                    in die neue Lerndatei ZIEL um (alle Karten in Kasten 1)\n"
    "  import KARTEI NEU.ldt [--stapel NAME] [--sprachen F,A]\n"
    "                    wandelt eine Kartei von Anki (.apkg, .colpkg), Parley (.kvtml) oder\n"
    "                    Pauker (.pau.gz, .pau, .xml) in die neue Lerndatei um; --stapel nimmt\n"
    "                    nur diesen Stapel, --sprachen fragt Sprache F ab, Antwort Sprache A\n"
    "  suchen SET.ldt TEXT [--kaesten 2,3]\n"
    "                    zeigt die Karten, die jedes Wort des TEXTES in Frage, Antwort oder\n"
    "                    einem Zusatzfeld haben (ohne Rücksicht auf Groß- und Kleinschreibung\n"
    "                    und Akzente), je Zeile Kasten, Position, Frage und Antwort;\n"
    "                    --kaesten sucht nur in diesen Kästen\n"
    "  export FORMAT SET.ldt ZIEL [OPTIONEN]\n"
    "                    exportiert die Lerndatei als ";
constexpr const char* kExportOptions =
    ":\n"
    "    --kaesten 1,2,5                          nur diese Kästen (sonst alle gefüllten)\n"
    "    --felder frage,antwort,zusatz1,zusatz2   diese Felder (sonst Frage und Antwort)\n"
    "    --autor NAME                             Autor der HTML-Seite\n"
    "    --antwort-frage                          HTML: Antworten als Fragen\n"
    "    --wiederholen                            HTML: Frage vor der Antwort wiederholen\n"
    "    --absatz                                 HTML: Fragen mit Absatz-Formatierung\n"
    "Rückgabewerte:\n"
    "  0                 erledigt\n"
    "  1                 eine Datei ließ sich nicht lesen, umwandeln oder schreiben\n"
    "  2                 falscher Aufruf\n";

std::string usage() {
    return kUsageHead + exportFormatNames(", ", " oder ") + kExportOptions;
}

int check(App& app, const std::string& setPath, std::ostream& out, std::ostream& err) {
    if (!loadSet(app, setPath, err)) return 1;
    for (int box = 1; box <= 5; ++box) {
        out << "Kasten " << box << ": " << app.store.k(box).anz << " von "
            << app.store.soll[static_cast<std::size_t>(box - 1)] << '\n';
    }
    return 0;
}

int resave(App& app, const std::string& setPath, std::ostream& err) {
    if (!loadSet(app, setPath, err)) return 1;
    return speicher_an_platte(app) ? 0 : 1;
}

// The update's first question is answered with OK; every other question as in any batch job.
int convert(App& app, const std::string& setPath, std::ostream& out, std::ostream& err) {
    BatchPlatform agreeing(err, Answer::No, Answer::OK);
    App job(agreeing);
    job.paths = app.paths;
    job.setPath = setPath;
    job.setBasePath = basePathOf(setPath);
    if (const FileError e = recoverSetFiles(job.setBasePath)) {
        err << unfinishedSaveText(setPath, e) << '\n';
        return 1;
    }
    std::string bytes;
    if (const std::error_code ec = readWholeFile(setPath, bytes)) {
        err << "Die Datei " << setPath << " kann nicht gelesen werden (" << fileErrorReason(ec)
            << ").\n";
        return 1;
    }
    if (firstItem(bytes) != "kursdatenbank") {
        out << "Die Lerndatei hat schon das aktuelle Format.\n";
        return 0;
    }
    const UpdateResult result = db_update(job, job.setBasePath, GetPathOrFileName(setPath, true),
                                          GetPathOrFileName(setPath, false));
    const bool converted = result == UpdateResult::Converted;
    out << (converted ? "Konvertierung beendet!" : "Konvertierung fehlgeschlagen!") << '\n';
    return converted ? 0 : 1;
}

}  // namespace

// Messages of a refused load have already gone to standard error through the platform.
bool loadSet(App& app, const std::string& setPath, std::ostream& err) {
    app.setPath = setPath;
    const LoadResult result = platte_an_speicher(app);
    if (result == LoadResult::NewSetWanted) {
        err << "Die Lerndatei hat noch das ältere Format; \"memvalo-cli convert\" wandelt sie "
               "um.\n";
    }
    return result == LoadResult::Loaded;
}

int runCommand(App& app, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    const auto only = [&args](std::initializer_list<std::string_view> names) {
        return args.size() == 1 && std::find(names.begin(), names.end(), args[0]) != names.end();
    };
    if (only({"version", "--version", "-V"})) {
        out << "Memvalo Version " << kVersionText << '\n';
        return 0;
    }
    if (only({"help", "--help", "-h"})) {
        out << usage();
        return 0;
    }
    if (args.size() == 2 && args[0] == "check") return check(app, args[1], out, err);
    if (args.size() == 2 && args[0] == "resave") return resave(app, args[1], err);
    if (args.size() == 2 && args[0] == "statistik") return printStatistics(app, args[1], out, err);
    if (args.size() == 2 && args[0] == "convert") return convert(app, args[1], out, err);
    if (args.size() == 3 && args[0] == "import-csv")
        return importCsv(app, args[1], args[2], out, err);
    if (!args.empty() && args[0] == "import") {
        return importDeck(app, {args.begin() + 1, args.end()}, out, err);
    }
    if (!args.empty() && args[0] == "suchen") {
        return searchSet(app, {args.begin() + 1, args.end()}, out, err);
    }
    if (!args.empty() && args[0] == "export") {
        return exportSet(app, {args.begin() + 1, args.end()}, out, err);
    }
    if (args.size() == 1 && args[0] == "--help") {
        out << usage();
        return 0;
    }
    err << usage();
    return 2;
}

}  // namespace memvalo
