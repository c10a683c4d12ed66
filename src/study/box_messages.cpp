#include "study/box_messages.h"

#include <string>

#include "study/number_text.h"

namespace memvalo {

bool box1Full(const StudyContext& app) {
    return boxFull(app, 1);
}

bool boxFull(const StudyContext& app, int box) {
    const auto i = static_cast<std::size_t>(box - 1);
    // At or beyond: a target value lowered below the count must not let the box grow.
    return app.store.ist.at(i) >= app.store.soll.at(i);
}

void reportBox1Full(StudyContext& app, bool letzterDatensatz) {
    const std::string head = letzterDatensatz ? "Das war der letzte Datensatz. " : "";
    app.msgBox(head + "Kasten 1 ist voll." + kCR +
                   "Bitte erst wieder einige Fragen aus dem Kasten 1 beantworten.",
               "Kasten 1 ist voll");
}

void reportTargetBoxFull(StudyContext& app, int box) {
    app.msgBox(
        "Kasten " + plainNumber(box) + " ist voll." + kCR + "Bitte erst einige Fragen beantworten!",
        "Hinweis", Buttons::OK, Icon::Information);
}

void reportNoSlotLeft(StudyContext& app, int box) {
    app.msgBox("Kasten " + plainNumber(box) +
                   " ist voll: Er kann höchstens 2000 Karten aufnehmen." + kCR +
                   "Die Karte bleibt, wo sie ist.",
               "Kein Platz mehr", Buttons::OK, Icon::Exclamation);
}

}  // namespace memvalo
