#include "ui/limited_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>

namespace memvalo {

namespace {

// Characters as the program stores them: a line break is stored as CR LF.
int storedLength(const QString& text) {
    return static_cast<int>(text.toUcs4().size() + text.count(QLatin1Char('\n')));
}

// The text a key press would add to the field; empty for keys that add nothing.
QString addedText(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return QStringLiteral("\n");
    }
    const QString text = event.text();
    if (text.isEmpty() || !(text.at(0).isPrint() || text.at(0) == QLatin1Char('\t'))) return {};
    return text;
}

// The longest beginning of `text` that fits into `room` stored characters.
QString fitting(const QString& text, int room) {
    QString kept;
    int length = 0;
    for (const char32_t c : text.toUcs4()) {
        length += c == U'\n' ? 2 : 1;
        if (length > room) break;
        kept += QString::fromUcs4(&c, 1);
    }
    return kept;
}

}  // namespace

int LimitedTextEdit::room() const {
    return limit_ - storedLength(toPlainText()) +
           storedLength(textCursor().selection().toPlainText());
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString added = addedText(*event);
    if (limit_ > 0 && !added.isEmpty() && storedLength(added) > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    if (limit_ <= 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    insertPlainText(fitting(source->text(), room()));
    ensureCursorVisible();
}

}  // namespace memvalo
