#include "study/statistics_window.h"

#include "core/paths.h"
#include "core/set_files.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

std::string setName(const App& app) {
    return app.setPath.empty() ? "neue Lerndatei" : GetPathOrFileName(app.setPath, false);
}

}  // namespace

void mnustatistik_Click(App& app) {
    const auto today = dayOf(trimBlanks(app.platform.today()));
    if (!app.showStatisticsWindow || !today) return;
    StatisticsWindowModel model;
    model.caption = "Lernstatistik – " + setName(app);
    model.stats = learningStatistics(app.store, app.history, *today);
    app.onTopBracket([&] { app.showStatisticsWindow(app, model); });
}

void problemCardChosen(App& app, const StatisticsWindowModel& model, std::size_t index) {
    if (index >= model.stats.problemCards.size() || !app.showCardSearchAt) return;
    const ProblemCard& card = model.stats.problemCards[index];
    app.showCardSearchAt(app, card.box, card.position);
}

std::optional<std::string> askPicturePath(App& app) {
    FileDialog dialog;
    dialog.title = "Lernstatistik als Bild speichern";
    dialog.filter = "PNG-Bild (*.png)|*.png";
    dialog.initialFolder =
        app.setPath.empty() ? app.frm1.lblinidir.caption : GetPathOrFileName(app.setPath, true);
    dialog.fileName =
        app.setPath.empty() ? "Lernstatistik.png" : basePathOf(setName(app)) + "-Statistik.png";
    dialog.overwritePrompt = true;
    dialog.defaultSuffix = "png";
    return app.platform.saveFileDialog(dialog);
}

void reportPictureNotSaved(App& app, const std::string& path) {
    app.msgBox("Die Datei " + path + " kann nicht geschrieben werden.", App::kTitle, Buttons::OK,
               Icon::Exclamation);
}

void registerStatisticsEvents(EventTable& table) {
    // The window only reads the set: a fault ends it silently, as window commands end, and
    // nothing is lost.
    table.onClick("mnustatistik", mnustatistik_Click, FaultPolicy{});
}

}  // namespace memvalo
