#pragma once
// How well one colour reads on another, by the relative luminance of the two (1 = not at
// all, 21 = black on white), and the ink that keeps a text readable on what lies beneath it.
// Every text of the windows is drawn in such an ink, whatever colours the scheme gives.
#include <QColor>
#include <QFont>
#include <vector>

namespace memvalo {

double luminance(const QColor& c);
double contrast(const QColor& a, const QColor& b);

// The contrast a text needs: 4.5 for ordinary text, 3 for large text (18 pt, or 14 pt bold).
double neededContrast(const QFont& font);

// The ink itself when it reads on every one of the backgrounds with the needed contrast;
// otherwise the ink moved as little as will do towards black or white, so that the colour
// the learner chose stays recognisable.
QColor readableInk(const QColor& ink, const std::vector<QColor>& backgrounds, double needed);

}  // namespace memvalo
