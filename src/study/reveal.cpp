#include "study/reveal.h"

#include "core/anzeige.h"
#include "study/box_messages.h"
#include "study/cover.h"

namespace memvalo {

void cmdantwort_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    app.markierung.clear();
    // Answering a box other than box 1 wrongly would push box 1 beyond its capacity.
    if (box1Full(app) && !w.mnukk[0].checked) {
        reportBox1Full(app, false);
        return;
    }
    app.playSound("antwort.wav");
    w.cmdrichtig.visible = true;
    w.cmdfalsch.visible = true;
    w.cmdrichtig.focusRequested = true;
    zeigen(app);
    // Menus that would leave the card half answered wait until an answer button is pressed.
    w.mnudatei.enabled = false;
    w.mnukastwahl.enabled = false;
    w.mnumoduswahl.enabled = false;
    w.cmdantwort.visible = false;
    w.cmdspiegel.visible = false;
    app.markierung.clear();
    if (!w.mnunixbild.checked) {
        // A picture shown with the question is not shown, nor a sound played, a second time.
        if (w.mnuzeigbild.checked) w.cmdantwort.tag = "1";
        anzeige(app);
    }
    w.cmdrichtig.focusRequested = true;
}

}  // namespace memvalo
