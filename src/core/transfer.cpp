#include "core/transfer.h"

#include "core/anzeige.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

// Rule A: in entry mode, or while pictures are shown during a query.
bool displayRuleA(const Session& app) {
    const Control& zeigbild = app.frm1.mnuzeigbild;
    return modeCaption(app) == "Eingabe" || (zeigbild.checked && zeigbild.enabled);
}

// Rule B, box 5 only: while browsing, unless pictures are off altogether.
bool displayRuleB(const Session& app) {
    return modeCaption(app) == "Blättern" && !app.frm1.mnunixbild.checked;
}

void renormalise(FixedText& field) {
    field = trimLeadingBlanks(field.text());
}

}  // namespace

std::string storedCardText(std::string_view typed) {
    std::string text = trimBlanks(typed);
    anfuehrung_weg(text);
    return text;
}

std::string modeCaption(const Session& app) {
    return trimBlanks(app.frm1.lblbild.caption);
}

void felder_an_maskeds(Session& app) {
    MainWindowModel& w = app.frm1;
    CardRecord& r = app.store.maskeds;
    for (const CardField& f : kCardFields) r.*f.text = storedCardText(f.box(w).caption);
    r.erstellt = trimLeadingBlanks(w.lbldatum0.caption);
    r.falsch = trimLeadingBlanks(w.lblfalsch.caption);
    r.medium = app.medienverweis;
}

void maskeds_an_felder(Session& app) {
    MainWindowModel& w = app.frm1;
    const CardRecord& r = app.store.maskeds;
    for (const CardField& f : kCardFields) f.box(w).caption = r.*f.text;
    w.lbldatum0.caption = trimTrailingBlanks(r.erstellt.text());
    w.lblfalsch.caption = trimTrailingBlanks(r.falsch.text());
    app.medienverweis = r.medium;
    if (displayRuleA(app)) anzeige(app);
}

void kds_an_felder(Session& app, int box) {
    MainWindowModel& w = app.frm1;
    const CardRecord& r = app.store.workRecord(box);
    for (const CardField& f : kCardFields) f.box(w).caption = trimTrailingBlanks(r.*f.text);
    w.lbldatum0.caption = trimTrailingBlanks(r.erstellt.text());
    for (int d = 0; d < CardRecord::datesOfBox(box); ++d) {
        w.dateLabel(d + 1).caption = trimTrailingBlanks(r.kasten_am[d].text());
    }
    w.lblfalsch.caption = trimTrailingBlanks(r.falsch.text());
    app.medienverweis = r.medium;
    if (displayRuleA(app) || (box == 5 && displayRuleB(app))) anzeige(app);
}

void felder_an_kds(Session& app, int box) {
    CardRecord& r = app.store.workRecord(box);
    for (const CardField& f : kCardFields) anfuehrung_weg(r.*f.text);
    renormalise(r.erstellt);
    for (int d = 0; d < CardRecord::datesOfBox(box); ++d) renormalise(r.kasten_am[d]);
    renormalise(r.falsch);
}

}  // namespace memvalo
