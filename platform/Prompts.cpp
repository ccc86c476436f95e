#include "platform/Prompts.h"

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
        entries << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.trimmed());
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace tessella::platform
