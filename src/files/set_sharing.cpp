#include "files/set_sharing.h"

#include "core/set_files.h"

namespace memvalo {

bool mayOpenSharedSet(FilesContext& app, const std::string& path) {
    if (!app.files.claim.othersClaim(basePathOf(path))) return true;
    const Answer answer = app.msgBox(
        "Die Lerndatei\r" + path +
            "\rist bereits in einem anderen Memvalo-Fenster geöffnet.\rWenn beide Fenster "
            "speichern, gehen die Änderungen des einen verloren.\r\rTrotzdem öffnen?",
        "Lerndatei bereits geöffnet", Buttons::YesNo, Icon::Exclamation, 2);
    return answer == Answer::Yes;
}

void claimOpenSet(FilesContext& app) {
    app.files.claim.claim(app.setBasePath);
}

OverwriteChoice askBeforeOverwriting(FilesContext& app, const std::string& path) {
    const std::string base = basePathOf(path);
    if (app.diskStamp.basePath != base || unchangedOnDisk(app.diskStamp)) {
        return OverwriteChoice::Save;
    }
    const Answer answer = app.msgBox(
        "Die Lerndatei\r" + path +
            "\rwurde von einem anderen Programm geändert, seit sie in diesem Fenster geöffnet "
            "oder gespeichert wurde.\r\rJa: trotzdem speichern (die Änderungen des anderen "
            "Programms gehen verloren)\rNein: unter einem anderen Namen speichern\rAbbrechen: "
            "nicht speichern",
        "Lerndatei von anderem Programm geändert", Buttons::YesNoCancel, Icon::Exclamation, 2);
    if (answer == Answer::Yes) {
        // The other program's set is the one this save knowingly replaces.
        app.diskStamp = stampSet(base);
        return OverwriteChoice::Save;
    }
    return answer == Answer::No ? OverwriteChoice::SaveElsewhere : OverwriteChoice::Cancel;
}

}  // namespace memvalo
