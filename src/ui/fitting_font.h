#pragma once
// A text that always shows whole: the font shrinks until every line fits its room.
#include <QFont>
#include <QRect>
#include <QString>

namespace memvalo {

// The font, made smaller until `text` drawn with the alignment `flags` fits into `room`.
QFont fittingFont(QFont font, const QString& text, const QRect& room, int flags);

}  // namespace memvalo
