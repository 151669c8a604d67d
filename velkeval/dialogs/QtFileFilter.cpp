#include "QtFileFilter.h"

#include <QStringList>

namespace velk {
namespace {

// The name without its own parenthesised patterns.
QString BareName(const QString& name)
{
    const QString trimmed = name.trimmed();
    const qsizetype open = trimmed.lastIndexOf(QLatin1Char('('));
    if (open <= 0 || !trimmed.endsWith(QLatin1Char(')'))) return trimmed;
    return trimmed.left(open).trimmed();
}

QString QtPatterns(const QString& patterns)
{
    QStringList qtPatterns;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        qtPatterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return qtPatterns.join(QLatin1Char(' '));
}

}  // namespace

QString QtFileFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << BareName(parts[i]) + QStringLiteral(" (") + QtPatterns(parts[i + 1]) + QLatin1Char(')');
    // A name without a pattern is shown as it is.
    if (parts.size() % 2 == 1 && !parts.last().trimmed().isEmpty()) entries << parts.last().trimmed();
    return entries.join(QStringLiteral(";;"));
}

}  // namespace velk
