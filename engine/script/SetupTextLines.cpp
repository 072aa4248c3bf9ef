#include "engine/script/SetupTextLines.h"

#include "model/ProjectContainer.h"

namespace talmo {

QStringList SplitTextLines(const QString &text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            current.append(c);
            continue;
        }
        lines.append(current);
        current.clear();
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

QStringList ExpandedSetupTextLines(const QString &text, const TProjectContainer &project)
{
    // Each replacement works on the whole text and splits it again, so a value
    // holding a line break becomes lines of its own.
    const std::pair<QString, QString> replacements[] = {
        { QStringLiteral("%AppName%"), project.Win32AppName },
        { QStringLiteral("%Provider%"), project.GetProvider() },
        { QStringLiteral("%Version%"), project.Win32Version },
        { QStringLiteral("'"), QStringLiteral("''") },
    };
    QStringList lines = SplitTextLines(text);
    for (const auto &[macro, value] : replacements) {
        QString joined;
        for (const QString &line : lines)
            joined += line + QLatin1String("\r\n");
        lines = SplitTextLines(joined.replace(macro, value, Qt::CaseInsensitive));
    }
    return lines;
}

QString JoinedPascalLines(const QStringList &lines)
{
    return lines.join(QLatin1String("'+#13+'"));
}

} // namespace talmo
