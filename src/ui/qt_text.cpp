#include "ui/qt_text.h"

#include <QStringList>

namespace memvalo {

QString displayText(std::string_view text) {
    QString shown = toQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::string storedText(const QString& text) {
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return fromQt(stored);
}

QString qtFileFilter(std::string_view filter) {
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = parts[i].trimmed();
        const QString qtPatterns = QStringLiteral("(") + patterns.trimmed() + QLatin1Char(')');
        // Qt reads the patterns from the parentheses; a caption that already names them keeps
        // them once.
        filters << (shown.endsWith(qtPatterns) ? shown : shown + QLatin1Char(' ') + qtPatterns);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace memvalo
