#include "app/window_startup.h"

#include <filesystem>
#include <string>

#include "core/history_file.h"
#include "core/safe_file.h"
#include "core/transfer.h"
#include "files/history_menu.h"
#include "files/open_set.h"
#include "files/window_title.h"
#include "model/visibility.h"
#include "settings/colour_schemes.h"
#include "settings/design_layout.h"
#include "settings/external_programs.h"
#include "settings/layout_scaling.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"

namespace memvalo {

namespace {

void createLayoutScaling(App& app) {
    app.resize = std::make_shared<clsResize>();
    app.resize->oForm(app.frm1.me, app.frm1.controls());
    app.resize->Initialize();
}

void setUpControls(App& app) {
    MainWindowModel& w = app.frm1;
    setVisible({&w.progress, &w.cmd5vor, &w.cmd5zurück, &w.cmd5anfang, &w.cmd5ende, &w.cmdspiegel,
                &w.cmdantwort, &w.optk5},
               false);
    w.mnubt.enabled = false;
    w.lblinfo.visible = false;
    w.lblinfo.caption = "Kasten\rauswählen!";
    w.cmdspiegel.caption = "Fragefeld/\rAntwortfeld\rspiegeln";
    w.cmdlöschen.caption = "Datensatz\rlöschen";
    w.cmdrichtig.caption = "Hurra!!\rAntwort war\rRICHTIG!";
    w.cmdfalsch.caption = "Schade!!\rAntwort war\rFALSCH!";
    w.cmdantwort.caption = "Ich will\rdie Antwort\rsehen!";
    w.lblbild.visible = false;
    leerds_erstellen(app.store, app.platform.today());
    app.store.maskeds = app.store.leerds;
    maskeds_an_felder(app);
    for (int i = 0; i < 5; ++i) {
        w.txtazsoll[i].caption = std::to_string(CardStore::kDefaultSoll[i]);
        app.store.soll[i] = CardStore::kDefaultSoll[i];
        w.lblazist[i].caption = "0";
        app.store.ist[i] = 0;
    }
    setTitleSuffix(app, "");
    setVisible({&w.cmdlöschen, &w.cmdrichtig, &w.cmdfalsch, &w.cmdanfang, &w.cmdzurück, &w.cmdvor,
                &w.cmdende, &w.cmdsollübernahme},
               false);
    w.txtfrage.locked = true;
}

void setUpMenusWithoutSet(App& app) {
    MainWindowModel& w = app.frm1;
    setVisible({&w.mnuoptabfrage, &w.st1}, false);
    for (const CardField& f : kCardFields) f.cover(w).visible = true;
    w.mnueinstell.visible = true;
    setVisible({&w.mnumoduswahl, &w.mnumultimedia, &w.mnukastwahl}, false);
    w.mnudatspeiunter.enabled = false;
    setVisible({&w.mnuexporttext, &w.mnuprint, &w.strich3, &w.strich2}, false);
    w.mnu5leeren.enabled = false;
    w.mnu5import.enabled = true;
    for (int i = 0; i < 5; ++i) w.txtazsoll[i].enabled = false;
    w.mnuazkändern.enabled = false;
    w.mnuzurücknehmen.enabled = false;
}

void placeWindow(App& app) {
    SettingsValues& s = app.settings;
    MainWindowModel& w = app.frm1;
    if (s.hoehe < kMinWindowHeight) s.hoehe = kMinWindowHeight + 1;
    if (s.breite < kMinWindowWidth) s.breite = kMinWindowWidth + 2;
    Geometry& g = w.me.geometry;
    if (s.groesseMerken == 1) {
        w.mnumerkgroß.checked = true;
        g.height = s.hoehe;
        g.width = s.breite;
    } else {
        g.height = kDesignHeight + 2;
        g.width = kDesignWidth + 2;
    }
    Form_Resize(app);
    if (s.zentrieren == 0) {
        w.mnuposition.checked = true;
        g.left = s.links;
        g.top = s.oben;
    } else {
        w.mnuzentrieren.checked = true;
        centreWindow(app);
    }
}

void prepareHistory(App& app) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(app.paths.historyFile, ec)) {
        if (const std::error_code e = writeFileAtomically(app.paths.historyFile, "\r\n")) {
            reportHistoryFault(app, false, e);
        }
    } else {
        verlauf_aktualisieren(app);
    }
}

void openAtStart(App& app) {
    MainWindowModel& w = app.frm1;
    if (!app.commandLineSet.empty()) {
        openNamedSet(app, app.commandLineSet);
        return;
    }
    if (!w.mnugleichauf.checked) return;
    // Sets made on a case-insensitive system may name the file in another letter case.
    const auto path = findFileIgnoringCase(app.settings.letzteDatei);
    if (!path) {
        app.msgBox("Datei wurde verschoben oder gelöscht", "Datei nicht gefunden", Buttons::OK,
                   Icon::Information);
        return;
    }
    openFromHistory(app, *path);
}

void setUpTray(App& app) {
    Control& tray = app.frm1.sevTray1;
    tray.value = 0;
    tray.tooltip = app.frm1.me.caption;
}

}  // namespace

void Form_Load(App& app, std::string_view searchPath) {
    MainWindowModel& w = app.frm1;
    w.me.tag = "1";
    applyDesignLayout(w);
    createLayoutScaling(app);
    setUpControls(app);
    setUpMenusWithoutSet(app);
    detectExternalPrograms(app, searchPath);
    readSettings(app);
    app.playSound("start1.wav");
    w.bildbox.visible = false;
    placeWindow(app);
    showOptionsInMenus(app);
    prepareHistory(app);
    const bool onTop = app.ontop == "ja";
    app.AlwaysOnTop(onTop);
    w.mnutop.checked = onTop;
    startHistory(app);
    openAtStart(app);
    setUpTray(app);
    applyStoredScheme(app);
    rememberSettingsShown(app);
    w.me.tag.clear();
}

}  // namespace memvalo
