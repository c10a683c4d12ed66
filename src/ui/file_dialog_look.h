#pragma once
// Qt's own file dialog as the learner reads it: German sizes and dates, and columns wide
// enough for names, sizes, types and dates under whole titles.
#include <QFileDialog>

namespace memvalo {

void fitFileDialog(QFileDialog& dialog);

}  // namespace memvalo
