#include "settings/settings_file.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/codec.h"
#include "core/safe_file.h"
#include "core/text_encoding.h"
#include "settings/settings_numbers.h"
#include "study/cover.h"

namespace memvalo {

namespace {

constexpr std::uint32_t kDefaultCoverColour = 12615808;
constexpr std::uint32_t kMaxColour = 0xFFFFFF;

struct EndOfFile {};
struct BadValue {
    int line;
};

std::array<Control*, 4> fields(MainWindowModel& w) {
    return {&w.txtfrage, &w.txtantwort, &w.txtzusatz1, &w.txtzusatz2};
}

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

class LineReader {
  public:
    explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::string line() {
        if (next_ >= lines_.size()) throw EndOfFile{};
        return lines_[next_++];
    }
    // The value line of a labelled pair, trimmed; the key line is skipped unread.
    std::string value() {
        line();
        return trimBlanks(line());
    }
    // The value just read as a number; anything else makes the whole read fail.
    double number(const std::string& text) {
        const auto n = parseNumber(text);
        if (!n) throw BadValue{static_cast<int>(next_)};
        return *n;
    }
    int integer(const std::string& text, int low, int high) {
        const auto n = roundedInRange(number(text), low, high);
        if (!n) throw BadValue{static_cast<int>(next_)};
        return *n;
    }
    int int16(const std::string& text) { return integer(text, -32768, 32767); }
    int int32(const std::string& text) { return integer(text, INT32_MIN, INT32_MAX); }

  private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

std::uint32_t clampedColour(long long value, std::uint32_t highReplacement) {
    if (value < 0) return 0;
    if (value > kMaxColour) return highReplacement;
    return static_cast<std::uint32_t>(value);
}

void readHead(App& app, LineReader& in) {
    SettingsValues& s = app.settings;
    MainWindowModel& w = app.frm1;
    in.line();
    s.sicherheitskopie = in.line();
    s.abspann = in.number(in.line());
    s.farbschema = in.line();
    w.mnuklang.checked = in.line() == "Klang ein";
    for (int i = 0; i <= 10; ++i) s.farben[i] = clampedColour(in.int32(in.line()), kMaxColour);
    for (int i = 0; i < 4; ++i) s.verlauf[i] = in.int32(in.line());
    const auto field = fields(w);
    for (int i = 0; i < 4; ++i) {
        FontSpec& font = field[i]->font;
        font.name = in.line();
        font.size = in.number(in.line());
        s.schriftgroessen[i] = std::nearbyint(font.size);
        font.bold = in.line() == "Wahr";
        font.underline = in.line() == "Wahr";
    }
    s.schliessen = trimBlanks(in.line()) == "1" ? 1 : 0;
}

// "unten" means the upper field (the question) is covered.
void readFragefeld(App& app, const std::string& value) {
    setCoverMode(app, value == "unten" ? 1 : 0);
}

void readPairs(App& app, LineReader& in) {
    SettingsValues& s = app.settings;
    MainWindowModel& w = app.frm1;
    s.links = in.int32(in.value());
    s.oben = in.int32(in.value());
    s.hoehe = in.int32(in.value());
    s.breite = in.int32(in.value());
    s.zentrieren = in.int16(in.value());
    s.groesseMerken = in.int16(in.value());
    app.ontop = in.value() == "ja" ? "ja" : "nein";
    s.paintPfad = in.value();
    w.mnupaint.caption = in.value();
    s.recorderPfad = in.value();
    w.mnurecorder.caption = in.value();
    s.mediaPfad = in.value();
    w.mnumini.checked = in.value() == "ja";
    w.mnuverbergen.checked = in.value() == "ja";
    readFragefeld(app, in.value());
    const bool extraVisible = in.value() != "nein";
    w.mnuzusatzsichtbar.checked = extraVisible;
    s.zusatzmodus = extraVisible ? 1 : 0;
    const std::string cover = in.value();
    s.farben[11] = cover.empty() ? kDefaultCoverColour : clampedColour(in.int32(cover), 16777210);
    s.letzteDatei = in.value();
    w.mnugleichauf.checked = !s.letzteDatei.empty();
    const std::string korrektur = in.value();
    s.korrektur = korrektur.empty() ? 0 : in.int16(korrektur);
    s.wiederholen = in.int16(in.value());
    s.absatz = in.int16(in.value());
    const std::string blaettern = in.value();
    s.blaettern = blaettern.empty() ? "nein" : blaettern;
    const bool onlyOne = in.value() != "nein";
    w.mnunureins.checked = onlyOne;
    if (onlyOne) s.zusatzmodus = 2;
    s.csvImportOrdner = in.value();
    if (s.csvImportOrdner.empty()) s.csvImportOrdner = app.platform.documentsFolder();
}

std::string schemeFromMenu(const MainWindowModel& w) {
    std::string scheme = "benutzer";
    if (w.mnufarbselbst.checked) scheme = "benutzer";
    if (w.mnudefault.checked) scheme = "default";
    if (w.mnusystemfarb.checked) scheme = "system";
    if (w.mnufarbverlauf.checked) scheme = "farbverlauf";
    return scheme;
}

class LineWriter {
  public:
    void line(const std::string& text) { out_ += withoutLineBreaks(text) + "\r\n"; }
    void number(double value) { line(numberText(value)); }
    void pair(const std::string& key, const std::string& value) {
        line(key);
        line(value);
    }
    void pair(const std::string& key, double value) { pair(key, numberText(value)); }
    const std::string& text() const { return out_; }

  private:
    std::string out_;
};

std::string yesNo(bool value) {
    return value ? "ja" : "nein";
}

std::string settingsText(App& app, const Geometry& g) {
    SettingsValues& s = app.settings;
    MainWindowModel& w = app.frm1;
    LineWriter out;
    out.line(app.paths.version);
    out.line(s.sicherheitskopie);
    out.number(s.abspann);
    out.line(schemeFromMenu(w));
    out.line(w.mnuklang.checked ? "Klang ein" : "Klang aus");
    for (int i = 0; i <= 10; ++i) out.number(s.farben[i]);
    for (int v : s.verlauf) out.number(v);
    const auto field = fields(w);
    for (int i = 0; i < 4; ++i) {
        out.line(field[i]->font.name);
        out.number(s.schriftgroessen[i]);
        out.line(field[i]->font.bold ? "Wahr" : "Falsch");
        out.line(field[i]->font.underline ? "Wahr" : "Falsch");
    }
    out.line(s.schliessen == 1 ? "1" : "0");

    out.pair("[Fensterposition links]", g.left);
    out.pair("[Fensterposition oben]", g.top);
    out.pair("[Höhe]", g.height);
    out.pair("[Breite]", g.width);
    out.pair("[zentrieren]", s.zentrieren);
    out.pair("[Größe merken]", s.groesseMerken);
    out.pair("[Ontop]", app.ontop);
    out.pair("[Paintpfad]", s.paintPfad);
    out.pair("[Paintname]", w.mnupaint.caption);
    out.pair("[Recoderpfad]", s.recorderPfad);
    out.pair("[recordername]", w.mnurecorder.caption);
    out.pair("[mediapfad]", s.mediaPfad);
    out.pair("[X=verkleinern]", yesNo(w.mnumini.checked));
    out.pair("[verbergen]", yesNo(w.mnuverbergen.checked));
    out.pair("[Fragefeld]", w.mnuverdecktunten.checked ? "oben" : "unten");
    out.pair("[Zusatzfelder zeigen]", yesNo(w.mnuzusatzsichtbar.checked));
    out.pair("[Farbe Abdeckfelder]", s.farben[11]);
    const bool openAtStart = w.mnugleichauf.checked && !s.letzteDatei.empty();
    out.pair("[Datei gleich öffnen]", openAtStart ? s.letzteDatei : "");
    out.pair("[Korrektur ermöglichen]", w.mnukorrekt.checked ? 1 : 0);
    out.pair("[Antwort vor Frage schreiben]", s.wiederholen);
    out.pair("[Absatz bei Fragen]", s.absatz);
    out.pair("[Blättern]", s.blaettern);
    out.pair("[nur ein Zusatzfeld zeigen]", yesNo(w.mnunureins.checked));
    if (s.csvImportOrdner.empty()) s.csvImportOrdner = app.platform.documentsFolder();
    out.pair("[Letztes CSV-Import-Verzeichnis]", s.csvImportOrdner);
    return out.text();
}

// The window's placement changes too often to count as an option.
std::string optionsText(App& app) {
    return settingsText(app, Geometry{});
}

// `why` tells, on a line of its own, what was wrong with a file that is there.
void takeDefaultPath(App& app, const std::string& why) {
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

void applyDefaultSettings(App& app) {
    SettingsValues& s = app.settings;
    s.sicherheitskopie = "Sicherheitskopie = nein";
    s.farbschema = "benutzer";
    s.farben = kDefaultUserColours;
    const auto field = fields(app.frm1);
    for (int i = 0; i < 4; ++i) {
        field[i]->font = FontSpec{"Arial", kDefaultFontSizes[i], false, false, false};
    }
    s.schriftgroessen = kDefaultFontSizes;
    s.abspann = 1500;
    s.verlauf = kDefaultGradient;
    s.schliessen = 1;
    s.blaettern = "nein";
}

SettingsRead applySettingsText(App& app, std::string_view bytes) {
    LineReader in(splitLines(cp1252ToUtf8(bytes)));
    try {
        readHead(app, in);
        readPairs(app, in);
    } catch (const EndOfFile&) {
        // An older or shorter file: what was read so far stays applied.
        return {true, 0};
    } catch (const BadValue& bad) {
        return {false, bad.line};
    }
    return {true, 0};
}

std::string settingsFileBytes(App& app) {
    return utf8ToCp1252(settingsText(app, app.frm1.me.geometry));
}

void readSettings(App& app) {
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

void writeSettings(App& app) {
    const std::string& file = app.paths.settingsFile;
    // Also after a failed write, which is told once rather than after every later event.
    app.settings.optionsOnDisk = optionsText(app);
    if (const std::error_code ec = writeFileAtomically(file, settingsFileBytes(app))) {
        app.msgBox("Fehler beim Speichern der *.ini-Datei\rDie Datei " + file +
                       " kann nicht geschrieben werden (" + fileErrorReason(ec) + ").",
                   "Einstellungsdatei speichern fehlgeschlagen", Buttons::OK, Icon::Critical);
    }
}

void keepChangedSettings(App& app) {
    SettingsValues& s = app.settings;
    if (s.optionsOnDisk.empty()) return;
    // The file takes the page-key check mark as the exit stores it; the keys themselves follow
    // it from the next opening of a set on.
    const std::string running = s.blaettern;
    s.blaettern = app.frm1.mnukey.checked ? "ja" : "nein";
    if (optionsText(app) != s.optionsOnDisk) writeSettings(app);
    s.blaettern = running;
}

}  // namespace memvalo
