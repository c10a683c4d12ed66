#include "settings/colour_schemes.h"

#include <vector>

namespace memvalo {

namespace {

constexpr std::uint32_t kDesignedFace = 0xC0C000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr std::uint32_t kDesignedBar = 0xC0FFC0;

std::vector<Control*> buttons(MainWindowModel& w) {
    return {&w.cmdanfang,  &w.cmdzurück, &w.cmdvor,     &w.cmdende,    &w.cmd5anfang,
            &w.cmd5zurück, &w.cmd5vor,   &w.cmd5ende,   &w.cmdspiegel, &w.cmdsollübernahme,
            &w.cmdrichtig, &w.cmdfalsch, &w.cmdantwort, &w.cmdlöschen, &w.optk5};
}

// The labels that carry information: position, the five box dates, the wrong-answer count.
std::vector<Control*> infoLabels(MainWindowModel& w) {
    return {&w.lblxvony,  &w.lbldatum0, &w.lbldatum1, &w.lbldatum2,
            &w.lbldatum3, &w.lbldatum4, &w.lblfalsch};
}

// Box labels, headings and captions of the counters.
std::vector<Control*> flatLabels(MainWindowModel& w) {
    std::vector<Control*> labels = {&w.Label1,    &w.Label2,    &w.Label5, &w.Label16,
                                    &w.lblkartei, &w.lblkasten, &w.lblinfo};
    for (int i = 1; i <= 6; ++i) labels.push_back(&w.lbl[i]);
    for (int i = 0; i < 5; ++i) labels.push_back(&w.lblazist[i]);
    return labels;
}

void paint(const std::vector<Control*>& controls, std::optional<std::uint32_t> back,
           std::optional<std::uint32_t> fore) {
    for (Control* c : controls) {
        c->backColor = back;
        c->foreColor = fore;
    }
}

// Every target except the window background.
void applyUserColours(SettingsContext& app) {
    MainWindowModel& w = app.frm1;
    const auto& f = app.settings.farben;
    paint(buttons(w), f[0], f[1]);
    w.progress.foreColor = f[0];
    w.progress.backColor = f[4];
    for (const CardField& field : kCardFields) {
        field.box(w).backColor = f[2];
        field.box(w).foreColor = f[field.colourSlot];
    }
    paint(infoLabels(w), f[4], f[5]);
    for (Control* c : flatLabels(w)) c->foreColor = f[7];
    for (const CardField& field : kCardFields) field.cover(w).backColor = f[11];
}

void checkScheme(SettingsContext& app, Control& entry, const char* scheme) {
    MainWindowModel& w = app.frm1;
    for (Control* c : {&w.mnudefault, &w.mnusystemfarb, &w.mnufarbselbst, &w.mnufarbverlauf}) {
        c->checked = c == &entry;
    }
    app.settings.farbschema = scheme;
}

void editColours(SettingsContext& app) {
    app.onTopBracket([&] { app.platform.showColourWindow(); });
}

}  // namespace

void farbselbst(SettingsContext& app) {
    applyUserColours(app);
    app.frm1.me.backColor = app.settings.farben[6];
}

void Farbverlauf(SettingsContext& app) {
    applyUserColours(app);
}

void farbsystem(SettingsContext& app) {
    MainWindowModel& w = app.frm1;
    const SystemColours& sys = app.settings.systemColours;
    w.me.backColor = sys.activeBorder;
    paint(infoLabels(w), sys.buttonFace, std::nullopt);
    for (const CardField& field : kCardFields) {
        field.box(w).backColor = sys.window;
        field.box(w).foreColor = sys.windowText;
    }
    paint(buttons(w), std::nullopt, std::nullopt);
    for (Control* c : flatLabels(w)) c->foreColor = std::nullopt;
    w.progress.backColor = std::nullopt;
    w.progress.foreColor = std::nullopt;
}

void voreinstellung(SettingsContext& app) {
    MainWindowModel& w = app.frm1;
    const std::uint32_t caption = app.settings.systemColours.activeCaption;
    for (Control* c : buttons(w)) c->backColor = kDesignedFace;
    paint(infoLabels(w), kDesignedFace, caption);
    for (int i = 1; i <= 6; ++i) w.lbl[i].foreColor = kWhite;
    w.Label16.foreColor = kYellow;
    w.lblkasten.foreColor = kYellow;
    w.progress.foreColor = caption;
    w.progress.backColor = kDesignedBar;
}

void applyStoredScheme(SettingsContext& app) {
    MainWindowModel& w = app.frm1;
    const std::string scheme = app.settings.farbschema;
    if (scheme == "benutzer") {
        checkScheme(app, w.mnufarbselbst, "benutzer");
        farbselbst(app);
    } else if (scheme == "farbverlauf") {
        checkScheme(app, w.mnufarbverlauf, "farbverlauf");
        Farbverlauf(app);
    } else if (scheme == "default") {
        checkScheme(app, w.mnudefault, "default");
        voreinstellung(app);
    } else {
        if (scheme == "system") checkScheme(app, w.mnusystemfarb, "system");
        farbsystem(app);
    }
}

void mnudefault_Click(SettingsContext& app) {
    checkScheme(app, app.frm1.mnudefault, "default");
    voreinstellung(app);
}

void mnusystemfarb_Click(SettingsContext& app) {
    checkScheme(app, app.frm1.mnusystemfarb, "system");
    farbsystem(app);
}

void mnufarbselbst_Click(SettingsContext& app) {
    checkScheme(app, app.frm1.mnufarbselbst, "benutzer");
    editColours(app);
    farbselbst(app);
}

void mnufarbverlauf_Click(SettingsContext& app) {
    checkScheme(app, app.frm1.mnufarbverlauf, "farbverlauf");
    editColours(app);
    Farbverlauf(app);
}

}  // namespace memvalo
