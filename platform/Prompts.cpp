#include "platform/Prompts.h"

#include <QRegularExpression>

namespace tessella::platform {

QString DisplayText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    out.remove(QLatin1Char('\r'));
    return out;
}

QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // A caption that already shows its patterns ("Bitmaps (*.bmp)") shows them once.
        static const QRegularExpression kShownPatterns(
            QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)\\s*$"));
        QString caption = parts[i];
        caption.remove(kShownPatterns);
        entries << QStringLiteral("%1 (%2)").arg(caption.trimmed(), patterns.trimmed());
    }
    return entries.join(QStringLiteral(";;"));
}

QString DefaultSuffix(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) return {};
    static const QRegularExpression kOneExtension(QStringLiteral("^\\*\\.(\\w+)$"));
    const QString first = parts[1].split(QLatin1Char(';')).constFirst().trimmed();
    const auto match = kOneExtension.match(first);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace tessella::platform
