#include "study/cover.h"

#include "core/card_fields.h"

namespace memvalo {

void verdecken(StudyContext& app) {
    const SettingsValues& s = app.settings;
    for (const CardField& f : kCardFields) {
        f.cover(app.frm1).visible = f.covered(s.verdeckmodus, s.zusatzmodus);
    }
}

void zeigen(StudyContext& app) {
    for (const CardField& f : kCardFields) f.cover(app.frm1).visible = false;
}

void setCoverMode(StudyContext& app, int mode) {
    MainWindowModel& w = app.frm1;
    const bool questionCovered = mode == 1;
    w.mnuverdecktoben.checked = questionCovered;
    w.mnuverdecktunten.checked = !questionCovered;
    w.Label1.caption = questionCovered ? "A" : "F";
    w.Label2.caption = questionCovered ? "F" : "A";
    app.settings.verdeckmodus = questionCovered ? 1 : 0;
}

void mnuverdecktunten_Click(StudyContext& app) {
    setCoverMode(app, 0);
}

void mnuverdecktoben_Click(StudyContext& app) {
    setCoverMode(app, 1);
}

void mnuzusatzsichtbar_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    w.mnuzusatzsichtbar.checked = !w.mnuzusatzsichtbar.checked;
    if (!w.mnuzusatzsichtbar.checked) {
        app.settings.zusatzmodus = 0;
    } else {
        app.settings.zusatzmodus = w.mnunureins.checked ? 2 : 1;
    }
}

void mnunureins_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    w.mnunureins.checked = !w.mnunureins.checked;
    if (w.mnunureins.checked) {
        app.settings.zusatzmodus = 2;
    } else {
        app.settings.zusatzmodus = w.mnuzusatzsichtbar.checked ? 1 : 0;
    }
}

void mnukorrekt_Click(StudyContext& app) {
    Control& korrekt = app.frm1.mnukorrekt;
    korrekt.checked = !korrekt.checked;
    app.settings.korrektur = korrekt.checked ? 1 : 0;
}

}  // namespace memvalo
