#include "study/card_search_command.h"

#include <string>

#include "study/card_search_window.h"
#include "study/typed_card.h"

namespace memvalo {

void mnusuche_Click(StudyContext& app) {
    openCardSearchAt(app, 0, 0);
}

void openCardSearchAt(StudyContext& app, int box, int position) {
    // The card being typed is found, and changed, as stored.
    settleTypedCard(app);
    CardSearchWindowModel window;
    frmsuche_Load(app, window, {box, position});
    app.onTopBracket([&] { app.platform.showCardSearchWindow(window); });
    // Typing goes on where it was; nothing else takes the focus a closed window leaves.
    if (app.frm1.mnueingabe.checked) app.frm1.txtfrage.focusRequested = true;
}

void reportSearchFault(StudyContext& app, std::string_view what) {
    app.msgBox(
        "Die Kartensuche wurde wegen eines unerwarteten Fehlers beendet:\r" + std::string(what),
        StudyContext::kTitle, Buttons::OK, Icon::Critical);
}

}  // namespace memvalo
