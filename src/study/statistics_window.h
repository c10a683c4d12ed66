#pragma once
// The window "Lernstatistik": six pictures of the open set's learning and the problem cards.
// The numbers are counted here; the front end only draws them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "study/learning_statistics.h"
#include "study/study_context.h"

namespace memvalo {

class StatisticsWindowModel {
  public:
    std::string caption;  // the window title, naming the set
    LearningStatistics stats;
    // The titles of the six pictures, in the order they are drawn.
    static constexpr std::array<std::string_view, 6> kPictures = {
        "Die Kästen jetzt",
        "Die Kästen im Lauf der Zeit",
        "In Kasten 5 angekommen, je Monat",
        "Antworten je Tag (letzte 12 Monate)",
        "Trefferquote je Kasten",
        "Problemkarten (am häufigsten falsch)",
    };
    static constexpr std::string_view kSavePicture = "Als Bild speichern...";
    static constexpr std::string_view kClose = "Schließen";
};

void mnustatistik_Click(StudyContext& app);
// A double click on a problem card shows it in the card search, where there is one.
void problemCardChosen(StudyContext& app, const StatisticsWindowModel& model, std::size_t index);
// The file the learner chooses for the picture of the window.
std::optional<std::string> askPicturePath(StudyContext& app);
void reportPictureNotSaved(StudyContext& app, const std::string& path);

}  // namespace memvalo
