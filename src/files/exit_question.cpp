#include "files/exit_question.h"

#include "core/text_encoding.h"
#include "core/transfer.h"
#include "files/set_dialogs.h"
#include "files/set_saving.h"
#include "files/unsaved_changes.h"

namespace memvalo {

namespace {

constexpr int kCancelled = 2;

bool typedCardIsEmpty(const FilesContext& app) {
    return trimBlanks(app.frm1.txtfrage.caption).empty() &&
           trimBlanks(app.frm1.txtantwort.caption).empty();
}

void refuseEmptyCard(FilesContext& app) {
    app.msgBox(
        "Bitte diesen Datensatz noch ausfüllen oder\r"
        "den Lösch-Button drücken\r"
        "Sollte kein Datensatz im Kasten 1 mehr vorhanden sein,\r"
        "dann wechseln Sie bitte in den Abfragemodus speichern dann ab.\r"
        "(programmbedingte Vorgehensweise...sorry)",
        "Leere Datensätze nicht speichern", Buttons::OK);
    app.karte_gespeichert = "nein";
    app.files.beenden_antwort = kCancelled;
}

// Yes: the card on screen and the set are saved; without a name to save under, or when the
// save fails, the command that asked is cancelled rather than going on without the save.
void saveBeforeLeaving(FilesContext& app) {
    if (app.frm1.mnueingabe.checked && typedCardIsEmpty(app)) {
        refuseEmptyCard(app);
        return;
    }
    storeTypedCard(app);
    std::string path = app.setPath;
    if (path.empty()) {
        const auto chosen = askSetToSave(app, "Lerndatei  speichern");
        if (!chosen) {
            app.files.beenden_antwort = kCancelled;
            return;
        }
        path = *chosen;
    }
    if (!saveSetAs(app, path)) {
        app.files.beenden_antwort = kCancelled;
        return;
    }
    enableAfterSave(app);
}

bool mustAsk(const FilesContext& app) {
    const bool flagsSayUnsaved =
        app.karte_gespeichert == "nein" && app.schritt_gespeichert == "nein";
    return flagsSayUnsaved || hasUnsavedChanges(app);
}

}  // namespace

void beenden_frage(FilesContext& app) {
    app.files.beenden_antwort = 0;
    if (trimBlanks(app.frm1.txtfrage.caption).empty()) app.karte_gespeichert = "ja";
    int shown = 0;
    for (int count : app.store.ist) shown += count;
    if (shown > 0) app.karte_gespeichert = "nein";
    if (mustAsk(app)) {
        const Answer answer = app.msgBox(
            "Datensatz noch nicht gespeichert ! Datenverlust droht !\r"
            "Wollen Sie erst abspeichern ?",
            "Warnung !", Buttons::YesNoCancel, Icon::Critical);
        app.files.beenden_antwort = static_cast<int>(answer);
    }
    app.settings.sicherheitskopie =
        app.frm1.mnusiko_janein.checked ? "Sicherheitskopie=ja" : "Sicherheitskopie=nein";
    if (app.files.beenden_antwort == static_cast<int>(Answer::Yes)) {
        saveBeforeLeaving(app);
    } else if (app.files.beenden_antwort == static_cast<int>(Answer::No) &&
               app.karte_gespeichert == "nein") {
        const Answer last = app.msgBox("Sind Sie wirklich sicher ???", "Letzte Warnung !",
                                       Buttons::OKCancel, Icon::Question);
        app.files.beenden_antwort = static_cast<int>(last);
    }
}

}  // namespace memvalo
