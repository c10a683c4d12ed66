#include "study/study_events.h"

#include <string>

#include "study/answer.h"
#include "study/box_choice.h"
#include "study/cover.h"
#include "study/modes.h"
#include "study/reveal.h"

namespace memvalo {

void registerStudyEvents(EventTable& table) {
    table.onClick("mnumoduswahl", mnumoduswahl_Click);
    table.onClick("mnueingabe", mnueingabe_Click);
    table.onClick("mnuzufall", mnuzufall_Click);
    table.onClick("mnukastwahl", mnukastwahl_Click);
    for (int i = 0; i < 5; ++i) {
        table.onClick("mnukk(" + std::to_string(i) + ")", [i](App& app) { mnukk_Click(app, i); });
    }
    table.onClick("optk5", optk5_Click);
    table.onClick("cmdantwort", cmdantwort_Click);
    table.onClick("cmdrichtig", cmdrichtig_Click);
    table.onClick("cmdfalsch", cmdfalsch_Click);
    table.onClick("mnuverdecktunten", mnuverdecktunten_Click);
    table.onClick("mnuverdecktoben", mnuverdecktoben_Click);
    table.onClick("mnuzusatzsichtbar", mnuzusatzsichtbar_Click);
    table.onClick("mnunureins", mnunureins_Click);
    table.onClick("mnukorrekt", mnukorrekt_Click);
}

}  // namespace memvalo
