#include "engine/setup/ScriptLineOrigins.h"

#include <QRegularExpression>

namespace talmo {

namespace {

// The compiler library puts the column in front of its [Code] messages.
struct LocatedMessage
{
    int column = 0;
    QString text;
};

LocatedMessage SplitColumn(const QString &message)
{
    static const QRegularExpression column(QStringLiteral("^Column (\\d+): (.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = column.match(message);
    if (!match.hasMatch())
        return { 0, message };
    return { match.captured(1).toInt(), match.captured(2) };
}

} // namespace

const ScriptLineOrigin *ScriptLineOrigins::Find(int scriptLine) const
{
    const auto found = m_origins.constFind(scriptLine);
    return found == m_origins.cend() ? nullptr : &found.value();
}

ScriptLineOrigins::UserError ScriptLineOrigins::ErrorAt(int scriptLine, const QString &compilerMessage) const
{
    const ScriptLineOrigin *origin = Find(scriptLine);
    if (!origin)
        return {};
    const LocatedMessage message = SplitColumn(compilerMessage);
    QString sentence = origin->page.isEmpty()
        ? QStringLiteral("The error is in line %1 of the global code").arg(origin->editorLine)
        : QStringLiteral("The error is in line %1 of the event %2 on the page \"%3\"")
              .arg(origin->editorLine)
              .arg(origin->event, origin->page);
    sentence += message.column > 0 ? QStringLiteral(", at column %1.").arg(origin->line.userColumn(message.column))
                                   : QStringLiteral(".");
    const QString text = message.text.trimmed();
    if (text.isEmpty())
        return { sentence, sentence };
    return { sentence, text + (text.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ")) + sentence };
}

} // namespace talmo
