#include "helpers/core/RegistryValueData.h"

#include <QRegularExpression>

namespace talmo {

namespace {

bool isType(const QString &valueType, const char *name)
{
    return valueType.trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<QString> RegistryValueData::binaryPairs(const QString &data)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    static const QRegularExpression pair(QStringLiteral("^[0-9A-Fa-f]{2}$"));
    const QStringList items = data.split(separators, Qt::SkipEmptyParts);
    for (const QString &item : items) {
        if (!pair.match(item).hasMatch())
            return std::nullopt;
    }
    return items.join(QLatin1Char(' ')).toUpper();
}

bool RegistryValueData::isDword(const QString &data)
{
    const QString text = data.trimmed();
    if (text.startsWith(QLatin1Char('{')))
        return true;
    // Hex takes at most eight digits, as the setup compiler reads it.
    static const QRegularExpression number(QStringLiteral("^([+-]?)(?:(\\d+)|(?:\\$|0[xX]|[xX])[0-9A-Fa-f]{1,8})$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return false;
    if (m.capturedLength(2) == 0)
        return true;
    bool ok = false;
    const qlonglong value = m.captured(2).toLongLong(&ok);
    const qlonglong limit = m.captured(1) == QLatin1String("-") ? 2147483648LL : 2147483647LL;
    return ok && value <= limit;
}

QString RegistryValueData::scriptForm(const QString &valueType, const QString &data)
{
    if (!isType(valueType, "binary"))
        return data;
    return binaryPairs(data).value_or(data);
}

QString RegistryValueData::typedDataProblem(const QString &valueType, const QString &data)
{
    if (data.trimmed().isEmpty())
        return QString();
    if (isType(valueType, "binary") && !binaryPairs(data))
        return QStringLiteral("Binary data must be pairs of hex digits separated by blanks or commas, such as 01 02 FF.");
    if (isType(valueType, "dword") && !isDword(data))
        return QStringLiteral("DWord data must be a whole number from -2147483648 to 2147483647, a hex number such as $FF, or begin with a constant.");
    return QString();
}

} // namespace talmo
