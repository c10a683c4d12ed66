#include "settings/settings_file.h"

#include <vector>

#include "core/codec.h"
#include "core/safe_file.h"
#include "settings/option_table.h"

namespace memvalo {

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void readOptions(SettingsContext& app, SettingsIn& in) {
    for (const SettingsOption& option : settingsOptionTable()) {
        if (!option.key.empty()) in.line();
        option.read(app, in);
    }
}

std::string settingsText(SettingsContext& app) {
    SettingsOut out;
    for (const SettingsOption& option : settingsOptionTable()) {
        if (!option.key.empty()) out.line(std::string(option.key));
        option.write(app, out);
    }
    return out.text();
}

// The window's placement changes too often to count as an option.
std::string optionsText(SettingsContext& app) {
    const Geometry placed = std::exchange(app.frm1.me.geometry, Geometry{});
    std::string text = settingsText(app);
    app.frm1.me.geometry = placed;
    return text;
}

// `why` tells, on a line of its own, what was wrong with a file that is there.
void takeDefaultPath(SettingsContext& app, const std::string& why) {
    app.msgBox(
        "Wahrscheinlich haben Sie das Programm zum 1.Mal gestartet.\r"
        "Es ist noch keine Einstellungsdatei vorhanden.\r"
        "Standardeinstellungen werden verwendet" +
            why,
        "Einstellungsdatei lesen fehlgeschlagen", Buttons::OK, Icon::Critical);
    applyDefaultSettings(app);
    writeSettings(app);
}

}  // namespace

void applyDefaultSettings(SettingsContext& app) {
    for (const SettingsOption& option : settingsOptionTable()) {
        if (option.reset) option.reset(app);
    }
}

SettingsRead applySettingsText(SettingsContext& app, std::string_view bytes) {
    SettingsIn in(splitLines(cp1252ToUtf8(bytes)));
    try {
        readOptions(app, in);
    } catch (const SettingsEnd&) {
        // An older or shorter file: what was read so far stays applied.
        return {true, 0};
    } catch (const BadSettingsValue& bad) {
        return {false, bad.line};
    }
    return {true, 0};
}

std::string settingsFileBytes(SettingsContext& app) {
    return utf8ToCp1252(settingsText(app));
}

void readSettings(SettingsContext& app) {
    const std::string& file = app.paths.settingsFile;
    std::string bytes;
    if (const std::error_code ec = readWholeFile(file, bytes, kMaxLineFileBytes)) {
        const bool missing = ec == std::errc::no_such_file_or_directory;
        takeDefaultPath(app, missing ? std::string()
                                     : "\rDie Datei " + file + " kann nicht gelesen werden (" +
                                           fileErrorReason(ec) + ").");
        return;
    }
    const SettingsRead read = applySettingsText(app, bytes);
    if (!read.usable) {
        takeDefaultPath(app, "\rDie Datei " + file + " hat in Zeile " +
                                 std::to_string(read.badLine) + " einen unbrauchbaren Wert.");
        return;
    }
    app.settings.optionsOnDisk = optionsText(app);
}

void writeSettings(SettingsContext& app) {
    const std::string& file = app.paths.settingsFile;
    // Also after a failed write, which is told once rather than after every later event.
    app.settings.optionsOnDisk = optionsText(app);
    if (const std::error_code ec = writeFileAtomically(file, settingsFileBytes(app))) {
        app.msgBox("Fehler beim Speichern der *.ini-Datei\rDie Datei " + file +
                       " kann nicht geschrieben werden (" + fileErrorReason(ec) + ").",
                   "Einstellungsdatei speichern fehlgeschlagen", Buttons::OK, Icon::Critical);
    }
}

void rememberSettingsShown(SettingsContext& app) {
    if (!app.settings.optionsOnDisk.empty()) app.settings.optionsOnDisk = optionsText(app);
}

void keepChangedSettings(SettingsContext& app) {
    SettingsValues& s = app.settings;
    // Nothing is the learner's own before the window is set up.
    if (s.optionsOnDisk.empty() || app.startingUp()) return;
    // The file takes the page-key check mark as the exit stores it; the keys themselves follow
    // it from the next opening of a set on.
    const std::string running = s.blaettern;
    s.blaettern = app.frm1.mnukey.checked ? "ja" : "nein";
    if (optionsText(app) != s.optionsOnDisk) writeSettings(app);
    s.blaettern = running;
}

}  // namespace memvalo
