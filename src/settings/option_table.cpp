#include "settings/option_table.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "core/card_fields.h"
#include "core/text_encoding.h"
#include "settings/settings_numbers.h"
#include "study/cover.h"

namespace memvalo {

namespace {

constexpr std::uint32_t kDefaultCoverColour = 12615808;
constexpr std::uint32_t kMaxColour = 0xFFFFFF;

std::uint32_t clampedColour(long long value, std::uint32_t highReplacement) {
    if (value < 0) return 0;
    if (value > kMaxColour) return highReplacement;
    return static_cast<std::uint32_t>(value);
}

std::string yesNo(bool value) {
    return value ? "ja" : "nein";
}

std::string schemeFromMenu(const MainWindowModel& w) {
    std::string scheme = "benutzer";
    if (w.mnufarbselbst.checked) scheme = "benutzer";
    if (w.mnudefault.checked) scheme = "default";
    if (w.mnusystemfarb.checked) scheme = "system";
    if (w.mnufarbverlauf.checked) scheme = "farbverlauf";
    return scheme;
}

// The 37 head lines: no keys, each value at its fixed place.
constexpr std::array kHead = {
    SettingsOption{"", [](SettingsContext&, SettingsIn& in) { in.line(); },
                   [](SettingsContext& app, SettingsOut& out) { out.line(app.paths.version); },
                   nullptr, nullptr, nullptr},
    SettingsOption{
        "", [](SettingsContext& app, SettingsIn& in) { app.settings.sicherheitskopie = in.line(); },
        [](SettingsContext& app, SettingsOut& out) { out.line(app.settings.sicherheitskopie); },
        [](SettingsContext& app) { app.settings.sicherheitskopie = "Sicherheitskopie = nein"; },
        nullptr, nullptr},
    SettingsOption{
        "",
        [](SettingsContext& app, SettingsIn& in) { app.settings.abspann = in.number(in.line()); },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.settings.abspann); },
        [](SettingsContext& app) { app.settings.abspann = 1500; }, nullptr, nullptr},
    SettingsOption{
        "", [](SettingsContext& app, SettingsIn& in) { app.settings.farbschema = in.line(); },
        [](SettingsContext& app, SettingsOut& out) { out.line(schemeFromMenu(app.frm1)); },
        [](SettingsContext& app) { app.settings.farbschema = "benutzer"; }, nullptr, nullptr},
    SettingsOption{"",
                   [](SettingsContext& app, SettingsIn& in) {
                       app.frm1.mnuklang.checked = in.line() == "Klang ein";
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       out.line(app.frm1.mnuklang.checked ? "Klang ein" : "Klang aus");
                   },
                   nullptr, nullptr, nullptr},
    // The user colours but the covers', which has a pair of its own.
    SettingsOption{"",
                   [](SettingsContext& app, SettingsIn& in) {
                       for (int i = 0; i <= 10; ++i) {
                           app.settings.farben[i] = clampedColour(in.int32(in.line()), kMaxColour);
                       }
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       for (int i = 0; i <= 10; ++i) out.number(app.settings.farben[i]);
                   },
                   [](SettingsContext& app) {
                       for (int i = 0; i <= 10; ++i)
                           app.settings.farben[i] = kDefaultUserColours[i];
                   },
                   nullptr, nullptr},
    SettingsOption{"",
                   [](SettingsContext& app, SettingsIn& in) {
                       for (int& v : app.settings.verlauf) v = in.int32(in.line());
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       for (int v : app.settings.verlauf) out.number(v);
                   },
                   [](SettingsContext& app) { app.settings.verlauf = kDefaultGradient; }, nullptr,
                   nullptr},
    // Name, size, bold and underline of each card field.
    SettingsOption{
        "",
        [](SettingsContext& app, SettingsIn& in) {
            for (std::size_t i = 0; i < kCardFieldCount; ++i) {
                FontSpec& font = kCardFields[i].box(app.frm1).font;
                font.name = in.line();
                font.size = in.number(in.line());
                app.settings.schriftgroessen[i] = std::nearbyint(font.size);
                font.bold = in.line() == "Wahr";
                font.underline = in.line() == "Wahr";
            }
        },
        [](SettingsContext& app, SettingsOut& out) {
            for (std::size_t i = 0; i < kCardFieldCount; ++i) {
                const FontSpec& font = kCardFields[i].box(app.frm1).font;
                out.line(font.name);
                out.number(app.settings.schriftgroessen[i]);
                out.line(font.bold ? "Wahr" : "Falsch");
                out.line(font.underline ? "Wahr" : "Falsch");
            }
        },
        [](SettingsContext& app) {
            for (const CardField& field : kCardFields) {
                field.box(app.frm1).font = FontSpec{"Arial", field.fontSize, false, false, false};
            }
            app.settings.schriftgroessen = kDefaultFontSizes;
        },
        nullptr, nullptr},
    SettingsOption{"",
                   [](SettingsContext& app, SettingsIn& in) {
                       app.settings.schliessen = trimBlanks(in.line()) == "1" ? 1 : 0;
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       out.line(app.settings.schliessen == 1 ? "1" : "0");
                   },
                   [](SettingsContext& app) { app.settings.schliessen = 1; }, nullptr, nullptr},
};

// The 24 pairs of a key line and a value line.
constexpr std::array kPairs = {
    SettingsOption{
        "[Fensterposition links]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.links = in.int32(in.value()); },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.frm1.me.geometry.left); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[Fensterposition oben]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.oben = in.int32(in.value()); },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.frm1.me.geometry.top); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[Höhe]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.hoehe = in.int32(in.value()); },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.frm1.me.geometry.height); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[Breite]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.breite = in.int32(in.value()); },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.frm1.me.geometry.width); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[zentrieren]",
        [](SettingsContext& app, SettingsIn& in) {
            app.settings.zentrieren = in.int16(in.value());
        },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.settings.zentrieren); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[Größe merken]",
        [](SettingsContext& app, SettingsIn& in) {
            app.settings.groesseMerken = in.int16(in.value());
        },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.settings.groesseMerken); },
        nullptr, nullptr, nullptr},
    SettingsOption{"[Ontop]",
                   [](SettingsContext& app, SettingsIn& in) {
                       app.ontop = in.value() == "ja" ? "ja" : "nein";
                   },
                   [](SettingsContext& app, SettingsOut& out) { out.line(app.ontop); }, nullptr,
                   nullptr, nullptr},
    SettingsOption{
        "[Paintpfad]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.paintPfad = in.value(); },
        [](SettingsContext& app, SettingsOut& out) { out.line(app.settings.paintPfad); }, nullptr,
        nullptr, nullptr},
    SettingsOption{
        "[Paintname]",
        [](SettingsContext& app, SettingsIn& in) { app.frm1.mnupaint.caption = in.value(); },
        [](SettingsContext& app, SettingsOut& out) { out.line(app.frm1.mnupaint.caption); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[Recoderpfad]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.recorderPfad = in.value(); },
        [](SettingsContext& app, SettingsOut& out) { out.line(app.settings.recorderPfad); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[recordername]",
        [](SettingsContext& app, SettingsIn& in) { app.frm1.mnurecorder.caption = in.value(); },
        [](SettingsContext& app, SettingsOut& out) { out.line(app.frm1.mnurecorder.caption); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[mediapfad]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.mediaPfad = in.value(); },
        [](SettingsContext& app, SettingsOut& out) { out.line(app.settings.mediaPfad); }, nullptr,
        nullptr, nullptr},
    SettingsOption{
        "[X=verkleinern]",
        [](SettingsContext& app, SettingsIn& in) { app.frm1.mnumini.checked = in.value() == "ja"; },
        [](SettingsContext& app, SettingsOut& out) { out.line(yesNo(app.frm1.mnumini.checked)); },
        nullptr, nullptr, nullptr},
    SettingsOption{"[verbergen]",
                   [](SettingsContext& app, SettingsIn& in) {
                       app.frm1.mnuverbergen.checked = in.value() == "ja";
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       out.line(yesNo(app.frm1.mnuverbergen.checked));
                   },
                   nullptr, nullptr, nullptr},
    // "unten" means the upper field (the question) is covered.
    SettingsOption{"[Fragefeld]",
                   [](SettingsContext& app, SettingsIn& in) {
                       setCoverMode(app, in.value() == "unten" ? 1 : 0);
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       out.line(app.frm1.mnuverdecktunten.checked ? "oben" : "unten");
                   },
                   nullptr, nullptr, nullptr},
    SettingsOption{"[Zusatzfelder zeigen]",
                   [](SettingsContext& app, SettingsIn& in) {
                       const bool extraVisible = in.value() != "nein";
                       app.frm1.mnuzusatzsichtbar.checked = extraVisible;
                       app.settings.zusatzmodus = extraVisible ? 1 : 0;
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       out.line(yesNo(app.frm1.mnuzusatzsichtbar.checked));
                   },
                   nullptr, nullptr, nullptr},
    SettingsOption{
        "[Farbe Abdeckfelder]",
        [](SettingsContext& app, SettingsIn& in) {
            const std::string cover = in.value();
            app.settings.farben[11] =
                cover.empty() ? kDefaultCoverColour : clampedColour(in.int32(cover), 16777210);
        },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.settings.farben[11]); },
        [](SettingsContext& app) { app.settings.farben[11] = kDefaultUserColours[11]; }, nullptr,
        nullptr},
    SettingsOption{"[Datei gleich öffnen]",
                   [](SettingsContext& app, SettingsIn& in) {
                       app.settings.letzteDatei = in.value();
                       app.frm1.mnugleichauf.checked = !app.settings.letzteDatei.empty();
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       const SettingsValues& s = app.settings;
                       const bool openAtStart =
                           app.frm1.mnugleichauf.checked && !s.letzteDatei.empty();
                       out.line(openAtStart ? s.letzteDatei : "");
                   },
                   nullptr, nullptr, nullptr},
    SettingsOption{
        "[Korrektur ermöglichen]",
        [](SettingsContext& app, SettingsIn& in) {
            const std::string korrektur = in.value();
            app.settings.korrektur = korrektur.empty() ? 0 : in.int16(korrektur);
        },
        [](SettingsContext& app, SettingsOut& out) {
            out.number(app.frm1.mnukorrekt.checked ? 1 : 0);
        },
        nullptr,
        [](SettingsContext& app) { app.frm1.mnukorrekt.checked = app.settings.korrektur == 1; },
        nullptr},
    SettingsOption{
        "[Antwort vor Frage schreiben]",
        [](SettingsContext& app, SettingsIn& in) {
            app.settings.wiederholen = in.int16(in.value());
        },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.settings.wiederholen); },
        nullptr, nullptr, nullptr},
    SettingsOption{
        "[Absatz bei Fragen]",
        [](SettingsContext& app, SettingsIn& in) { app.settings.absatz = in.int16(in.value()); },
        [](SettingsContext& app, SettingsOut& out) { out.number(app.settings.absatz); }, nullptr,
        nullptr, nullptr},
    SettingsOption{
        "[Blättern]",
        [](SettingsContext& app, SettingsIn& in) {
            const std::string blaettern = in.value();
            app.settings.blaettern = blaettern.empty() ? "nein" : blaettern;
        },
        [](SettingsContext& app, SettingsOut& out) { out.line(app.settings.blaettern); },
        [](SettingsContext& app) { app.settings.blaettern = "nein"; },
        [](SettingsContext& app) { app.frm1.mnukey.checked = app.settings.blaettern == "ja"; },
        [](SettingsContext& app) {
            app.settings.blaettern = app.frm1.mnukey.checked ? "ja" : "nein";
        }},
    SettingsOption{"[nur ein Zusatzfeld zeigen]",
                   [](SettingsContext& app, SettingsIn& in) {
                       const bool onlyOne = in.value() != "nein";
                       app.frm1.mnunureins.checked = onlyOne;
                       if (onlyOne) app.settings.zusatzmodus = 2;
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       out.line(yesNo(app.frm1.mnunureins.checked));
                   },
                   nullptr, nullptr, nullptr},
    SettingsOption{"[Letztes CSV-Import-Verzeichnis]",
                   [](SettingsContext& app, SettingsIn& in) {
                       std::string& folder = app.settings.csvImportOrdner;
                       folder = in.value();
                       if (folder.empty()) folder = app.platform.documentsFolder();
                   },
                   [](SettingsContext& app, SettingsOut& out) {
                       std::string& folder = app.settings.csvImportOrdner;
                       if (folder.empty()) folder = app.platform.documentsFolder();
                       out.line(folder);
                   },
                   nullptr, nullptr, nullptr},
};

}  // namespace

std::string SettingsIn::line() {
    if (next_ >= lines_.size()) throw SettingsEnd{};
    return lines_[next_++];
}

std::string SettingsIn::value() {
    return trimBlanks(line());
}

double SettingsIn::number(const std::string& text) {
    const auto n = parseNumber(text);
    if (!n) throw BadSettingsValue{static_cast<int>(next_)};
    return *n;
}

int SettingsIn::int32(const std::string& text) {
    return integer(text, INT32_MIN, INT32_MAX);
}

int SettingsIn::integer(const std::string& text, int low, int high) {
    const auto n = roundedInRange(number(text), low, high);
    if (!n) throw BadSettingsValue{static_cast<int>(next_)};
    return *n;
}

void SettingsOut::line(const std::string& text) {
    out_ += withoutLineBreaks(text) + "\r\n";
}

void SettingsOut::number(double value) {
    line(numberText(value));
}

std::span<const SettingsOption> settingsOptionTable() {
    static const std::array<SettingsOption, kHead.size() + kPairs.size()> kTable = [] {
        std::array<SettingsOption, kHead.size() + kPairs.size()> table{};
        std::size_t next = 0;
        for (const SettingsOption& option : kHead) table[next++] = option;
        for (const SettingsOption& option : kPairs) table[next++] = option;
        return table;
    }();
    return kTable;
}

void showOptionsInMenus(SettingsContext& app) {
    for (const SettingsOption& option : settingsOptionTable()) {
        if (option.showInMenu) option.showInMenu(app);
    }
}

void takeOptionsFromMenus(SettingsContext& app) {
    for (const SettingsOption& option : settingsOptionTable()) {
        if (option.takeFromMenu) option.takeFromMenu(app);
    }
}

}  // namespace memvalo
