#include "engine/script/ScriptQuoting.h"

namespace talmo {

namespace {

QString doubled(const QString &text, QChar quote)
{
    QString result = text;
    return result.replace(quote, QString(2, quote));
}

} // namespace

QString ScriptQuoted(const QString &value)
{
    const QChar quote = QLatin1Char('"');
    return quote + doubled(value, quote) + quote;
}

QString ScriptValue(const QString &value)
{
    if (value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('"')))
        return ScriptQuoted(value);
    return value;
}

QString InstallerLiteral(const QString &text)
{
    return doubled(text, QLatin1Char('{'));
}

QString PascalEscaped(const QString &text)
{
    return doubled(text, QLatin1Char('\''));
}

QString PascalStringLiteral(const QString &text)
{
    const QChar apostrophe = QLatin1Char('\'');
    return apostrophe + PascalEscaped(text) + apostrophe;
}

} // namespace talmo
