#include "settings/colour_window.h"
#include "settings/window_geometry.h"

#include <algorithm>

namespace memvalo {

namespace {

constexpr std::array<const char*, 9> kButtonCaptions = {
    "Hintergrund Buttons", "Textfarbe Button",  "Hintergrund Textfeld",
    "Textfarbe Textfeld",  "Hintergrund Label", "Text Label",
    "Hintergrund Fenster", "Text flache Label", "Abdeckung Fragefeld"};
constexpr std::array<int, 4> kReplacement = {100, 200, 200, 1};
constexpr std::array<int, 4> kScrollMin = {1, 1, 0, 1};
constexpr std::array<int, 4> kScrollMax = {520, 520, 520, 4};
constexpr int kAllTextFields = 3;

void showGradientControls(SettingsContext& app, ColourWindowModel& f, bool show) {
    for (Control* c : {&f.lblred, &f.lblgreen, &f.lblblue, &f.lblrichtung, &f.imgrichtung}) {
        c->visible = show;
    }
    const auto bars = f.scrollBars();
    for (int i = 0; i < 4; ++i) {
        Control& bar = *bars[i];
        bar.visible = show;
        bar.min = kScrollMin[i];
        bar.max = kScrollMax[i];
        bar.value = app.settings.verlauf[i];
    }
    f.imgrichtung.picture = directionIcon(app, app.settings.verlauf[3]);
    for (int i = 0; i < 9; ++i) f.cmdauswahl[i].enabled = !show;
}

bool confirmAllTextFields(SettingsContext& app) {
    return app.msgBox(
               "Hiermit werden die Farben in allen Textboxen auf die ausgewählte Farbe "
               "gesetzt!\rMöchten Sie das?",
               "Sicherheitsabfrage", Buttons::YesNo, Icon::Question, 2) == Answer::Yes;
}

}  // namespace

void applyColourWindowLayout(ColourWindowModel& f) {
    place(f.me, 0, 0, 470, 350);
    for (int i = 0; i < 9; ++i) place(f.cmdauswahl[i], 10, 10 + i * 34, 160, 30);
    place(f.txtbeispiel, 185, 10, 120, 50);
    place(f.cmdbeispiel, 315, 10, 145, 50);
    place(f.lblerhaben, 185, 70, 120, 24);
    place(f.lblflach, 315, 70, 145, 24);
    const auto bars = f.scrollBars();
    Control* labels[] = {&f.lblred, &f.lblgreen, &f.lblblue, &f.lblrichtung};
    for (int i = 0; i < 4; ++i) {
        place(*labels[i], 185, 112 + i * 28, 60, 22);
        place(*bars[i], 250, 112 + i * 28, i == 3 ? 160 : 210, 22);
    }
    place(f.imgrichtung, 420, 190, 32, 32);
    place(f.cmdfarbende, 315, 250, 145, 60);
}

bool previewsGradient(const SettingsContext& app) {
    return app.settings.farbschema == "farbverlauf";
}

std::string directionIcon(const SettingsContext& app, int direction) {
    static constexpr std::array<const char*, 4> kIcons = {"up.ico", "down.ico", "left.ico",
                                                          "right.ico"};
    return app.paths.programFolder + kIcons[std::clamp(direction, 1, 4) - 1];
}

void frmfarb_Load(SettingsContext& app, ColourWindowModel& f) {
    f.me.caption = "Farbzuweisung treffen";
    f.cmdfarbende.caption = "Übernehmen und\rraus hier!";
    f.cmdbeispiel.caption = "Button\r(Befehlsschaltfläche)";
    f.mnuzurück.caption = "&zurück";
    f.txtbeispiel.caption = "Textfeld";
    f.lblflach.caption = "flaches Label";
    f.lblerhaben.caption = "Label";
    f.lblred.caption = "Rot";
    f.lblgreen.caption = "Grün";
    f.lblblue.caption = "Blau";
    f.lblrichtung.caption = "Richtung";
    for (int i = 0; i < 9; ++i) f.cmdauswahl[i].caption = kButtonCaptions[i];
    auto& v = app.settings.verlauf;
    for (int i = 0; i < 4; ++i) {
        if (v[i] < 1) v[i] = kReplacement[i];
    }
    showGradientControls(app, f, previewsGradient(app));
    zuweisung(app, f);
}

void zuweisung(SettingsContext& app, ColourWindowModel& f) {
    const auto& c = app.settings.farben;
    f.cmdbeispiel.backColor = c[0];
    f.cmdbeispiel.foreColor = c[1];
    f.txtbeispiel.backColor = c[2];
    f.txtbeispiel.foreColor = c[3];
    f.lblerhaben.backColor = c[4];
    f.lblerhaben.foreColor = c[5];
    f.me.backColor = c[6];
    f.lblflach.foreColor = c[7];
}

void cmdauswahl_Click(SettingsContext& app, ColourWindowModel& f, int index) {
    if (index == kAllTextFields && !confirmAllTextFields(app)) return;
    auto& colours = app.settings.farben;
    const auto chosen = app.onTopBracket([&] { return app.platform.colorDialog(colours[index]); });
    if (!chosen) return;
    const std::uint32_t colour = std::min<std::uint32_t>(*chosen, 0xFFFFFF);
    colours[index] = colour;
    if (index == kAllTextFields) {
        for (int i : {8, 9, 10, 11}) colours[i] = colour;
    }
    zuweisung(app, f);
}

void scroll_Change(SettingsContext& app, ColourWindowModel& f, int index) {
    app.settings.verlauf[index] = f.scrollBars()[index]->value;
    if (index == 3) f.imgrichtung.picture = directionIcon(app, f.scrollrichtung.value);
}

void cmdfarbende_Click(ColourWindowModel& f) {
    f.me.visible = false;
}

}  // namespace memvalo
