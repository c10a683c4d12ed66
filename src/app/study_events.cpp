#include "app/study_events.h"

#include <array>
#include <string>

#include "app/app.h"
#include "core/card_fields.h"
#include "study/answer.h"
#include "study/box_choice.h"
#include "study/capacities.h"
#include "study/card_search_command.h"
#include "study/cover.h"
#include "study/entry.h"
#include "study/media.h"
#include "study/modes.h"
#include "study/navigation.h"
#include "study/reveal.h"
#include "study/statistics_window.h"
#include "study/take_back.h"

namespace memvalo {

namespace {

std::string indexed(const std::string& name, int index) {
    return name + "(" + std::to_string(index) + ")";
}

void registerQueryEvents(EventTable& table) {
    table.onClick("mnumoduswahl", mnumoduswahl_Click);
    table.onClick("mnueingabe", mnueingabe_Click);
    table.onClick("mnuzufall", mnuzufall_Click);
    table.onClick("mnukastwahl", mnukastwahl_Click);
    for (int i = 0; i < 5; ++i) {
        table.onClick(indexed("mnukk", i), [i](App& app) { mnukk_Click(app, i); });
    }
    table.onClick("optk5", optk5_Click);
    table.onClick("cmdantwort", cmdantwort_Click);
    table.onClick("cmdrichtig", cmdrichtig_Click);
    table.onClick("cmdfalsch", cmdfalsch_Click);
    table.onClick("mnuzurücknehmen", mnuzurücknehmen_Click);
    table.onClick("mnuverdecktunten", mnuverdecktunten_Click);
    table.onClick("mnuverdecktoben", mnuverdecktoben_Click);
    table.onClick("mnuzusatzsichtbar", mnuzusatzsichtbar_Click);
    table.onClick("mnunureins", mnunureins_Click);
    table.onClick("mnukorrekt", mnukorrekt_Click);
}

void registerEntryEvents(EventTable& table) {
    table.onClick("cmdvor", cmdvor_Click);
    table.onClick("cmdlöschen", cmdlöschen_Click);
    table.onClick("cmdspiegel", cmdspiegel_Click);
    table.add("txtantwort", "LostFocus", [](App& app, UiEvent&) { txtantwort_LostFocus(app); });
    table.add("bildbox", "MouseDown",
              [](App& app, UiEvent& event) { bildbox_MouseDown(app, event.button); });
    table.onClick("mnubt", mnubt_Click);
    table.onClick("mnusuche", mnusuche_Click, reportSearchFault);
    table.onClick("mnuzeigbild", mnuzeigbild_Click);
    table.onClick("mnunixbild", mnunixbild_Click);
    table.onClick("mnuazersetzen", mnuazersetzen_Click);
    for (std::size_t f = 0; f < kCardFieldCount; ++f) {
        table.add(std::string(kCardFields[f].textBox), "Change",
                  [f](App& app, UiEvent&) { textChanged(app, static_cast<int>(f)); });
    }
}

void registerNavigationEvents(EventTable& table) {
    table.onClick("cmdanfang", cmdanfang_Click);
    table.onClick("cmdzurück", cmdzurück_Click);
    table.onClick("cmdende", cmdende_Click);
    table.onClick("cmd5anfang", cmd5anfang_Click);
    table.onClick("cmd5zurück", cmd5zurück_Click);
    table.onClick("cmd5vor", cmd5vor_Click);
    table.onClick("cmd5ende", cmd5ende_Click);
    table.add("frm1", "KeyDown", [](App& app, UiEvent& event) {
        takeBackByKey(app, event);
        frm1_KeyDown(app, event);
    });
    table.add("frm1", "KeyUp", frm1_KeyUp);
    table.onClick("mnukey", mnukey_Click);
}

void registerCapacityEvents(EventTable& table) {
    table.onClick("mnuazkändern", mnuazkändern_Click);
    for (int i = 0; i < 5; ++i) {
        table.add(indexed("txtazsoll", i), "KeyPress",
                  [i](App& app, UiEvent& event) { txtazsoll_KeyPress(app, i, event); });
        table.add(indexed("txtazsoll", i), "LostFocus",
                  [i](App& app, UiEvent&) { txtazsoll_LostFocus(app, i); });
    }
    table.onClick("cmdsollübernahme", cmdsollübernahme_Click);
}

}  // namespace

void registerStudyEvents(EventTable& table) {
    registerQueryEvents(table);
    registerEntryEvents(table);
    registerNavigationEvents(table);
    registerCapacityEvents(table);
    // The statistics window only reads the set: a fault ends it silently, and nothing is lost.
    table.onClick("mnustatistik", mnustatistik_Click, FaultPolicy{});
}

}  // namespace memvalo
