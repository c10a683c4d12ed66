#include "study/statistics_text.h"

#include <algorithm>

namespace memvalo {

std::string percentText(const HitCount& hits) {
    const auto percent = hitPercent(hits);
    return percent ? std::to_string(*percent) + " %" : "–";
}

std::string oneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            line += " / ";
        } else {
            line += text[i];
        }
    }
    return line;
}

std::string statisticsText(const LearningStatistics& stats, std::size_t problemCards) {
    std::string text = "Stand " + dateText(stats.today) + "\nKästen:\n";
    for (int box = 1; box <= 5; ++box) {
        const BoxFill& fill = stats.boxes[static_cast<std::size_t>(box - 1)];
        text += "  Kasten " + std::to_string(box) + ": " + std::to_string(fill.count) + " von " +
                std::to_string(fill.capacity) + "\n";
    }
    text += "Antworten in den letzten 7 Tagen: " + std::to_string(stats.answers7) +
            "\nAntworten in den letzten 30 Tagen: " + std::to_string(stats.answers30) +
            "\nTrefferquote (letzte 30 Tage / insgesamt):\n";
    for (std::size_t box = 0; box < 5; ++box) {
        text += "  Kasten " + std::to_string(box + 1) + ": " + percentText(stats.hits30[box]) +
                " / " + percentText(stats.hitsAll[box]) + "\n";
    }
    text += "Lerntage in Folge: " + std::to_string(stats.currentRun) +
            " (längste Folge: " + std::to_string(stats.longestRun) + ")\n";
    const std::size_t shown = std::min(problemCards, stats.problemCards.size());
    text += "Problemkarten:" + std::string(shown == 0 ? " keine\n" : "\n");
    for (std::size_t i = 0; i < shown; ++i) {
        const ProblemCard& card = stats.problemCards[i];
        text += "  " + std::to_string(i + 1) + ". " + oneLine(card.question) + " – " +
                oneLine(card.answer) + " (Kasten " + std::to_string(card.box) + ", Karte " +
                std::to_string(card.position) + "): " + std::to_string(card.wrong) +
                "-mal falsch\n";
    }
    return text;
}

}  // namespace memvalo
