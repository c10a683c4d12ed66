#include "study/statistics_window.h"

#include "core/paths.h"
#include "core/set_files.h"
#include "core/text_encoding.h"
#include "study/card_search_command.h"

namespace memvalo {

namespace {

std::string setName(const StudyContext& app) {
    return app.setPath.empty() ? "neue Lerndatei" : GetPathOrFileName(app.setPath, false);
}

}  // namespace

void mnustatistik_Click(StudyContext& app) {
    const auto today = dayOf(trimBlanks(app.platform.today()));
    if (!today) return;
    StatisticsWindowModel model;
    model.caption = "Lernstatistik – " + setName(app);
    model.stats = learningStatistics(app.store, app.history, *today);
    app.onTopBracket([&] { app.platform.showStatisticsWindow(model); });
}

void problemCardChosen(StudyContext& app, const StatisticsWindowModel& model, std::size_t index) {
    if (index >= model.stats.problemCards.size()) return;
    const ProblemCard& card = model.stats.problemCards[index];
    openCardSearchAt(app, card.box, card.position);
}

std::optional<std::string> askPicturePath(StudyContext& app) {
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

void reportPictureNotSaved(StudyContext& app, const std::string& path) {
    app.msgBox("Die Datei " + path + " kann nicht geschrieben werden.", StudyContext::kTitle,
               Buttons::OK, Icon::Exclamation);
}

}  // namespace memvalo
