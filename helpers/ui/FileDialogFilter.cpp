#include "helpers/ui/FileDialogFilter.h"

#include <QRegularExpression>

namespace talmo {

namespace {

QString qtPatterns(const QString &patterns)
{
    QStringList parts = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &part : parts) {
        part = part.trimmed();
        // "*.*" means every file, also those without a dot.
        if (part == QLatin1String("*.*"))
            part = QStringLiteral("*");
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QStringList qtNameFilters(const QString &pipeFilter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        description.remove(trailingPatterns);
        filters.append(QStringLiteral("%1 (%2)").arg(description.trimmed(), qtPatterns(parts.at(i + 1))));
    }
    return filters;
}

} // namespace talmo
