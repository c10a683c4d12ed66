#include "study/study_events.h"

#include <array>
#include <exception>
#include <string>
#include <utility>

#include "core/card_fields.h"
#include "study/answer.h"
#include "study/box_choice.h"
#include "study/capacities.h"
#include "study/cover.h"
#include "study/entry.h"
#include "study/media.h"
#include "study/modes.h"
#include "study/navigation.h"
#include "study/reveal.h"
#include "study/take_back.h"

namespace memvalo {

namespace {

std::string indexed(const std::string& name, int index) {
    return name + "(" + std::to_string(index) + ")";
}

// An unexpected fault in a window command ends that command quietly; the window stays usable.
class Registrar {
  public:
    explicit Registrar(EventTable& table) : table_(table) {}

    void on(const std::string& control, const std::string& event, EventHandler handler) {
        table_.add(control, event, [handler = std::move(handler)](App& app, UiEvent& e) {
            try {
                handler(app, e);
            } catch (const std::exception&) {
                return;
            }
        });
    }
    void click(const std::string& control, std::function<void(App&)> procedure) {
        on(control, "Click",
           [procedure = std::move(procedure)](App& app, UiEvent&) { procedure(app); });
    }

  private:
    EventTable& table_;
};

void registerQueryEvents(Registrar& r) {
    r.click("mnumoduswahl", mnumoduswahl_Click);
    r.click("mnueingabe", mnueingabe_Click);
    r.click("mnuzufall", mnuzufall_Click);
    r.click("mnukastwahl", mnukastwahl_Click);
    for (int i = 0; i < 5; ++i) {
        r.click(indexed("mnukk", i), [i](App& app) { mnukk_Click(app, i); });
    }
    r.click("optk5", optk5_Click);
    r.click("cmdantwort", cmdantwort_Click);
    r.click("cmdrichtig", cmdrichtig_Click);
    r.click("cmdfalsch", cmdfalsch_Click);
    r.click("mnuzurücknehmen", mnuzurücknehmen_Click);
    r.click("mnuverdecktunten", mnuverdecktunten_Click);
    r.click("mnuverdecktoben", mnuverdecktoben_Click);
    r.click("mnuzusatzsichtbar", mnuzusatzsichtbar_Click);
    r.click("mnunureins", mnunureins_Click);
    r.click("mnukorrekt", mnukorrekt_Click);
}

void registerEntryEvents(Registrar& r) {
    r.click("cmdvor", cmdvor_Click);
    r.click("cmdlöschen", cmdlöschen_Click);
    r.click("cmdspiegel", cmdspiegel_Click);
    r.on("txtantwort", "LostFocus", [](App& app, UiEvent&) { txtantwort_LostFocus(app); });
    r.on("bildbox", "MouseDown",
         [](App& app, UiEvent& event) { bildbox_MouseDown(app, event.button); });
    r.click("mnubt", mnubt_Click);
    r.click("mnuzeigbild", mnuzeigbild_Click);
    r.click("mnunixbild", mnunixbild_Click);
    r.click("mnuazersetzen", mnuazersetzen_Click);
    for (std::size_t f = 0; f < kCardFieldCount; ++f) {
        r.on(std::string(kCardFields[f].textBox), "Change",
             [f](App& app, UiEvent&) { textChanged(app, static_cast<int>(f)); });
    }
}

void registerNavigationEvents(Registrar& r) {
    r.click("cmdanfang", cmdanfang_Click);
    r.click("cmdzurück", cmdzurück_Click);
    r.click("cmdende", cmdende_Click);
    r.click("cmd5anfang", cmd5anfang_Click);
    r.click("cmd5zurück", cmd5zurück_Click);
    r.click("cmd5vor", cmd5vor_Click);
    r.click("cmd5ende", cmd5ende_Click);
    r.on("frm1", "KeyDown", [](App& app, UiEvent& event) {
        takeBackByKey(app, event);
        frm1_KeyDown(app, event);
    });
    r.on("frm1", "KeyUp", frm1_KeyUp);
    r.click("mnukey", mnukey_Click);
}

void registerCapacityEvents(Registrar& r) {
    r.click("mnuazkändern", mnuazkändern_Click);
    for (int i = 0; i < 5; ++i) {
        r.on(indexed("txtazsoll", i), "KeyPress",
             [i](App& app, UiEvent& event) { txtazsoll_KeyPress(app, i, event); });
        r.on(indexed("txtazsoll", i), "LostFocus",
             [i](App& app, UiEvent&) { txtazsoll_LostFocus(app, i); });
    }
    r.click("cmdsollübernahme", cmdsollübernahme_Click);
}

}  // namespace

void registerStudyEvents(EventTable& table) {
    Registrar registrar(table);
    registerQueryEvents(registrar);
    registerEntryEvents(registrar);
    registerNavigationEvents(registrar);
    registerCapacityEvents(registrar);
}

}  // namespace memvalo
