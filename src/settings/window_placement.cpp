#include "settings/window_placement.h"

#include "core/anzeige.h"
#include "settings/design_layout.h"
#include "settings/layout_scaling.h"

namespace memvalo {

namespace {

constexpr std::string_view kMaximised = "Fenster verkleinern";
constexpr std::string_view kRestored = "Fenster maximieren";

void moveTo(SettingsContext& app, int left, int top) {
    app.frm1.me.geometry.left = left;
    app.frm1.me.geometry.top = top;
}

void resizeTo(SettingsContext& app, int width, int height) {
    app.frm1.me.geometry.width = width;
    app.frm1.me.geometry.height = height;
    Form_Resize(app);
}

void maximise(SettingsContext& app) {
    SettingsValues& s = app.settings;
    const Geometry& g = app.frm1.me.geometry;
    app.frm1.mnumax.caption = kMaximised;
    s.savedLeft = g.left;
    s.savedTop = g.top;
    s.savedWidth = g.width;
    s.savedHeight = g.height;
    moveTo(app, 0, 0);
    resizeTo(app, s.screenWidth, s.screenHeight);
}

void restore(SettingsContext& app) {
    SettingsValues& s = app.settings;
    app.frm1.mnumax.caption = kRestored;
    s.links = s.savedLeft;
    s.oben = s.savedTop;
    resizeTo(app, s.savedWidth, s.savedHeight);
    if (app.frm1.mnuzentrieren.checked) {
        centreWindow(app);
    } else {
        moveTo(app, s.links, s.oben);
    }
}

}  // namespace

void Form_Resize(SettingsContext& app) {
    MainWindowModel& w = app.frm1;
    Geometry& g = w.me.geometry;
    if (g.width < kMinWindowWidth) g.width = kMinWindowWidth + 1;
    if (g.height < kMinWindowHeight) g.height = kMinWindowHeight + 2;
    if (w.windowState != WindowState::Minimized && app.resize) app.resize->DoResize();
    app.hoehenlimit = w.bildbox.geometry.height;
    app.breitenlimit = w.bildbox.geometry.width;
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        kCardFields[i].box(w).font.size = app.settings.schriftgroessen[i];
    }
    if (app.hoehenlimit > app.breitenlimit) app.hoehenlimit = app.breitenlimit;
    anzeige(app);
}

// Centred on the screen; both sizes are in twips.
void centreWindow(SettingsContext& app) {
    const Geometry& g = app.frm1.me.geometry;
    moveTo(app, app.settings.screenWidth / 2 - g.width / 2,
           app.settings.screenHeight / 2 - g.height / 2);
}

void mnumax_Click(SettingsContext& app) {
    if (app.frm1.mnumax.caption == kMaximised) {
        restore(app);
    } else {
        maximise(app);
    }
}

void mnuzentrieren_Click(SettingsContext& app) {
    MainWindowModel& w = app.frm1;
    if (w.mnuposition.checked) {
        w.mnuposition.checked = false;
        app.settings.links = w.me.geometry.left;
        app.settings.oben = w.me.geometry.top;
        centreWindow(app);
    }
    app.settings.zentrieren = 1;
    w.mnuzentrieren.checked = true;
}

void mnuposition_Click(SettingsContext& app) {
    MainWindowModel& w = app.frm1;
    if (w.mnuzentrieren.checked) {
        w.mnuzentrieren.checked = false;
        moveTo(app, app.settings.links, app.settings.oben);
    }
    app.settings.zentrieren = 0;
    w.mnuposition.checked = true;
}

void mnumerkgroß_Click(SettingsContext& app) {
    Control& entry = app.frm1.mnumerkgroß;
    entry.checked = !entry.checked;
    app.settings.groesseMerken = entry.checked ? 1 : 0;
}

void mnuverbergen_Click(SettingsContext& app) {
    app.frm1.mnuverbergen.checked = !app.frm1.mnuverbergen.checked;
}

void mnumini_Click(SettingsContext& app) {
    Control& entry = app.frm1.mnumini;
    entry.checked = !entry.checked;
    app.settings.schliessen = entry.checked ? 1 : 0;
}

void mnutop_Click(SettingsContext& app) {
    Control& entry = app.frm1.mnutop;
    entry.checked = !entry.checked;
    app.ontop = entry.checked ? "ja" : "nein";
    app.AlwaysOnTop(entry.checked);
}

}  // namespace memvalo
