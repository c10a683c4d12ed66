#pragma once
// The pictures of the statistics window, each drawn with its numbers into a rectangle in the
// colours of the window: `ink` for text and lines on `paper`.
#include <QColor>
#include <QPainter>
#include <QRect>

#include "study/learning_statistics.h"

namespace memvalo {

struct PictureColours {
    QColor paper;
    QColor ink;
    std::array<QColor, 5> boxes;  // one colour per box, apart from each other and the paper
};

PictureColours pictureColours(const QColor& paper, const QColor& ink);

void drawBoxesNow(QPainter& p, const QRect& r, const LearningStatistics& s,
                  const PictureColours& c);
void drawBoxesOverTime(QPainter& p, const QRect& r, const LearningStatistics& s,
                       const PictureColours& c);
void drawReachedBox5(QPainter& p, const QRect& r, const LearningStatistics& s,
                     const PictureColours& c);
void drawActivity(QPainter& p, const QRect& r, const LearningStatistics& s,
                  const PictureColours& c);
void drawHitRates(QPainter& p, const QRect& r, const LearningStatistics& s,
                  const PictureColours& c);

}  // namespace memvalo
